// The hint raises, through the hand clicks, first the set the autopilot would lay and then the
// other sets the human may lay, lowest first; it never plays and never changes the hand.
#include "players/hint.h"

#include <gtest/gtest.h>

#include "core/game.h"
#include "engine_fixture.h"
#include "players/autopilot.h"
#include "players/autopilot_choice.h"
#include "rules/answer_rule.h"
#include "rules/hand_display.h"
#include "rules/human_input.h"

namespace zunda {
namespace {

using testing::AwaitHuman;
using testing::GiveCards;
using testing::LayTable;
using testing::RaisedSlots;

// The cards standing raised, as a set counted by rank.
PlayRecord RaisedSet(const Game& g) {
  PlayRecord set;
  for (int slot : RaisedSlots(g)) {
    const int rank = HandSlotRank(g, slot);
    if (rank < kTwo) {
      set.BaseRank = rank;
      ++set.BaseCount;
    } else if (rank == kTwo) {
      ++set.TwoCount;
    } else if (rank == kSmallJoker) {
      ++set.SmallJokers;
    } else {
      ++set.BigJokers;
    }
    ++set.Total;
  }
  return set;
}

// The human holds two 4s, four 9s, two kings, three twos, a small and a big joker.
class HintTest : public testing::GameTest {
 protected:
  void SetUp() override {
    testing::SetHand(g, 1, "2x4 4x9 2xK 3x2 1xJ16 1xJ17");
    for (int seat = 2; seat <= kSeats; ++seat)
      GiveCards(g, seat, 3 + seat, 6);
    ShowHand(g, 1);
  }
  void AwaitAnswer(int seat, int rank, int count) {
    LayTable(g, seat, rank, count);
    AwaitHuman(g);
    g.Flow.LeadMode = false;
  }
};

TEST_F(HintTest, AnswersStartWithTheAutopilotsChoiceAndFollowLowestFirst) {
  AwaitAnswer(6, 5, 2);
  const std::vector<PlayRecord> sets = HintSets(g);
  // Every answer a pair can get from this hand is offered once: 9s, kings, a 9 or a king with a
  // two or a joker, twos, and the wildcard pairs.
  ASSERT_EQ(sets.size(), 12u);
  EXPECT_TRUE(SameCards(sets[0], AutopilotAnswer(g, 1)));
  for (std::size_t i = 1; i < sets.size(); ++i) {
    EXPECT_FALSE(SameCards(sets[i], sets[0])) << i;
    EXPECT_TRUE(IsLegalHumanPlay(g, 1, sets[i])) << i;
    EXPECT_EQ(sets[i].Total, 2);
    if (i > 1) {
      EXPECT_LE(LowestRankOf(sets[i - 1]), LowestRankOf(sets[i])) << i;
    }
  }

  // Each press raises the next set; after the last comes the first again.
  const Game before = g;
  for (std::size_t press = 0; press <= sets.size(); ++press) {
    ASSERT_EQ(Input(g, ShowHint), HintShown::Set) << press;
    EXPECT_TRUE(SameCards(RaisedSet(g), sets[press % sets.size()])) << press;
    EXPECT_EQ(g.MainCourse, before.MainCourse);
    EXPECT_FALSE(g.Flow.HumanCommitted || g.Win.TmrMainCircle.Enabled) << "a hint never plays";
  }
  EXPECT_TRUE(g.Hand == before.Hand && g.TablePlay == before.TablePlay);
  EXPECT_TRUE(g.Win.CmdSend.Visible) << "the raised set may be laid with the play button";

  // A new table starts the cycle again.
  CmdReturnClick(g);
  AwaitAnswer(2, 10, 1);
  const std::vector<PlayRecord> again = HintSets(g);
  ASSERT_EQ(Input(g, ShowHint), HintShown::Set);
  EXPECT_TRUE(SameCards(RaisedSet(g), again[0]));
  EXPECT_TRUE(SameCards(again[0], AutopilotAnswer(g, 1)));
  for (const PlayRecord& set : again)
    EXPECT_GT(LowestRankOf(set), 10);
}

TEST_F(HintTest, LeadsOfferEveryWholeRankAfterTheChoice) {
  AwaitHuman(g);
  g.Flow.LeadMode = true;
  g.LeadSeat = 1;
  const PlayRecord choice = AutopilotLead(g, 1);
  const std::vector<PlayRecord> sets = HintSets(g);
  ASSERT_FALSE(sets.empty());
  EXPECT_TRUE(SameCards(sets[0], choice));
  std::vector<int> ranks;
  for (std::size_t i = 1; i < sets.size(); ++i) {
    ranks.push_back(LowestRankOf(sets[i]));
    EXPECT_EQ(sets[i].Total, g.Hand[1][ranks.back()].Count) << "the whole set of the rank";
  }
  std::vector<int> expected;
  for (int rank : {4, 9, 13, kTwo, kSmallJoker, kBigJoker}) {
    if (LowestRankOf(choice) != rank || choice.Total != g.Hand[1][rank].Count)
      expected.push_back(rank);
  }
  EXPECT_EQ(ranks, expected);

  ASSERT_EQ(Input(g, ShowHint), HintShown::Set);
  EXPECT_TRUE(SameCards(RaisedSet(g), choice));
  EXPECT_TRUE(g.MainCourse == TurnStep::Idle && !g.Flow.HumanCommitted);
}

TEST_F(HintTest, ABurnersSetsAllCarryAJoker) {
  AwaitAnswer(6, 5, 2);
  g.Seats[1].Burned = true;
  g.Burn.BurnBeaten = false;  // nobody has beaten the burn yet: every set needs a joker
  const std::vector<PlayRecord> sets = HintSets(g);
  ASSERT_FALSE(sets.empty());
  for (const PlayRecord& set : sets) {
    EXPECT_GT(set.SmallJokers + set.BigJokers, 0) << "rank " << LowestRankOf(set);
    EXPECT_TRUE(IsLegalHumanPlay(g, 1, set));
  }
}

TEST_F(HintTest, APassIsShownAsAPromptWithNothingRaised) {
  // The partner in seat 3 has laid a pair of queens: the choosers let it stand.
  AwaitAnswer(3, 12, 2);
  const std::vector<PlayRecord> sets = HintSets(g);
  ASSERT_GE(sets.size(), 2u);
  ASSERT_EQ(sets[0].Total, 0);
  RaiseHandSlot(g, testing::SlotsOfRank(g, kTwo)[0]);
  EXPECT_EQ(Input(g, ShowHint), HintShown::Pass);
  EXPECT_TRUE(RaisedSlots(g).empty());
  EXPECT_EQ(g.Win.LblPrompt.Caption, kHintPassPrompt);
  ASSERT_EQ(Input(g, ShowHint), HintShown::Set) << "the next press offers the lowest answer";
  EXPECT_TRUE(SameCards(RaisedSet(g), sets[1]));
}

TEST_F(HintTest, NothingHappensWhileTheHumanIsNotAwaited) {
  LayTable(g, 6, 5, 2);
  const Game before = g;
  EXPECT_FALSE(HintAvailable(g));
  EXPECT_TRUE(HintSets(g).empty());
  EXPECT_EQ(Input(g, ShowHint), HintShown::Nothing);
  EXPECT_EQ(g.Win, before.Win);
  AwaitHuman(g);
  g.Win.TmrMainCircle.Enabled = true;  // the turn was handed back
  EXPECT_FALSE(HintAvailable(g));
}

}  // namespace
}  // namespace zunda

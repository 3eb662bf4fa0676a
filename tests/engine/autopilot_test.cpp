// The autopilot plays the human seat through the clicks and buttons: the sets it means are the
// sets raised and laid, and it answers a burn wait and the tribute return.
#include <gtest/gtest.h>

#include "core/game.h"
#include "engine_fixture.h"
#include "flow/apply_action.h"
#include "players/autopilot.h"
#include "players/autopilot_choice.h"
#include "rules/burning.h"
#include "rules/human_input.h"
#include "rules/play_rules.h"
#include "rules/tribute.h"

namespace zunda {
namespace {

using testing::AwaitHuman;
using testing::LayTable;
using testing::RaisedSlots;

PlayRecord SetOf(int rank, int base, int twos, int small, int big) {
  PlayRecord set;
  set.BaseRank = rank;
  set.BaseCount = rank < kTwo ? base : 0;
  set.TwoCount = twos;
  set.SmallJokers = small;
  set.BigJokers = big;
  set.Total = set.BaseCount + twos + small + big;
  return set;
}

int RaisedOfRank(const Game& g, int rank) {
  int n = 0;
  for (int slot : RaisedSlots(g))
    n += HandSlotRank(g, slot) == rank ? 1 : 0;
  return n;
}

// The human holds four 9s, three twos, two small and one big joker and some low cards.
class AutopilotClicks : public testing::GameTest {
 protected:
  void SetUp() override {
    testing::SetHand(g, 1, "2x4 4x9 3x2 2xJ16 1xJ17");
    ShowHand(g, 1);
    AwaitHuman(g);
  }
};

TEST_F(AutopilotClicks, WildcardsGoUpFirstAndARankThatFillsItselfIsTrimmed) {
  // A 9, a two and a small joker on three 5s: the 9's click raises 9s to the table's size.
  LayTable(g, 2, 5, 3);
  const PlayRecord set = SetOf(9, 1, 1, 1, 0);
  ASSERT_TRUE(IsLegalHumanPlay(g, 1, set));
  ASSERT_TRUE(RaiseSetByClicks(g, set));
  EXPECT_EQ(RaisedOfRank(g, 9), 1);
  EXPECT_EQ(RaisedOfRank(g, kTwo), 1);
  EXPECT_EQ(RaisedOfRank(g, kSmallJoker), 1);
  EXPECT_TRUE(g.Win.CmdSend.Visible);
}

TEST_F(AutopilotClicks, JokersAnswerTwosAndALeadMayCarryEverything) {
  LayTable(g, 2, kTwo, 2);
  ASSERT_TRUE(RaiseSetByClicks(g, SetOf(kSmallJoker, 0, 0, 1, 1)));
  EXPECT_TRUE(g.Win.CmdSend.Visible);

  CmdReturnClick(g);
  ClearTablePlay(g);
  g.LeadSeat = 1;
  const PlayRecord lead = SetOf(4, 2, 3, 2, 1);
  ASSERT_TRUE(RaiseSetByClicks(g, lead));
  EXPECT_EQ(RaisedSlots(g).size(), 8u);
  EXPECT_TRUE(g.Win.CmdSend.Visible);
}

TEST_F(AutopilotClicks, TheLowestAnswerHonoursTheJokerObligation) {
  LayTable(g, 2, 5, 2);
  PlayRecord plain = LowestLegalAnswer(g, 1, false);
  EXPECT_EQ(plain.BaseRank, 9);
  EXPECT_EQ(plain.BaseCount, 2);
  PlayRecord escorted = LowestLegalAnswer(g, 1, true);
  EXPECT_EQ(escorted.BaseRank, 9);
  EXPECT_EQ(escorted.BaseCount, 1);
  EXPECT_EQ(escorted.SmallJokers, 1);
  // Against a big joker there is nothing.
  g.TablePlay.BigJokers = 1;
  EXPECT_EQ(LowestLegalAnswer(g, 1, false).Total, 0);
}

TEST_F(AutopilotClicks, ALeadIsLaidThroughTheHandlersAndHandsTheTurnBack) {
  ClearTablePlay(g);
  g.LeadSeat = 1;
  g.Flow.LeadMode = true;
  Autopilot pilot;
  ASSERT_EQ(Autopilot::TaskFor(g), AutopilotTask::Lead);
  AutopilotOutcome outcome = pilot.Act(g);
  RunPostedActions(g);
  Autopilot::Applied(g, outcome);
  EXPECT_TRUE(outcome.fault.empty()) << outcome.fault;
  EXPECT_TRUE(outcome.laid);
  EXPECT_EQ(g.MainCourse, TurnStep::HumanLed);
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
  EXPECT_EQ(g.TablePlay.BaseRank, 4);
  EXPECT_EQ(g.TablePlay.BaseCount, 2);
}

// Seat 2 has just laid four jacks; the human, who may burn, waits with the decline button up.
class AutopilotBurnWait : public testing::GameTest {
 protected:
  void SetUp() override {
    testing::SetHand(g, 1, "2xJ17 4xQ");
    g.Seats[1].BurnRight = true;
    ShowHand(g, 1);
    LayTable(g, 2, 11, 4);
    g.CurrentSeat = 2;
    g.Seats[2].OnTurn = true;
    t.host.OnDoEvents([&] { pilot.DuringWait(g); });
  }
  Autopilot pilot;
};

TEST_F(AutopilotBurnWait, OneClickAsksTheQuestionAndTheAnswerDecides) {
  t.host.QueueAnswer(Host::Answer::Yes);
  BurnWait(g, false);
  EXPECT_EQ(t.host.Messages(), std::vector<std::string>{"您要烧牌吗?"});
  EXPECT_TRUE(g.Seats[1].Burned);
  EXPECT_EQ(g.MainCourse, TurnStep::HumanAnswered);
}

using AutopilotReturn = testing::GameTest;

TEST_F(AutopilotReturn, TheComputersChoiceIsClickedAndConfirmed) {
  testing::SetPreviousResult(g, {1, 2, 3, 5, 6, 4});
  testing::GiveCards(g, 1, {"C03", "H09", "D09", "D05", "C13"});
  testing::GiveCards(g, 4, {"J17", "J17", "C04", "D06"});
  g.Seats[1].TributeCount = g.Seats[4].TributeCount = 2;
  ChooseTributeCards(g);
  TakeTribute(g);
  ASSERT_TRUE(BeginReturnPhase(g));
  ShowHand(g, 1);
  g.Flow.WaitHuman = true;

  Autopilot pilot;
  ASSERT_EQ(Autopilot::TaskFor(g), AutopilotTask::ReturnTribute);
  AutopilotOutcome outcome = pilot.Act(g);
  RunPostedActions(g);
  Autopilot::Applied(g, outcome);
  EXPECT_TRUE(outcome.fault.empty()) << outcome.fault;
  // The singles from the three up, as a computer returns them, in hand display order.
  EXPECT_EQ(g.Seats[4].ReturnSlots[1].Code.Str(), "D05");
  EXPECT_EQ(g.Seats[4].ReturnSlots[2].Code.Str(), "C03");
  EXPECT_EQ(g.Hand[4][3].Count, 1);
  EXPECT_EQ(g.Hand[1][kBigJoker].Count, 2);
  EXPECT_EQ(g.MainCourse, TurnStep::AnnounceLeader);
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
  EXPECT_FALSE(g.Flow.WaitHuman);
}

}  // namespace
}  // namespace zunda

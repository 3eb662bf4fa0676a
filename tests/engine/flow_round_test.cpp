// The rounds of a hand through the turn cycle: who answers next and how a round closes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/seats.h"
#include "engine_fixture.h"
#include "flow/responder.h"
#include "flow/steps.h"
#include "players/lead_choice.h"
#include "rules/human_input.h"

namespace zunda {
namespace {

using testing::LayTable;
using testing::RunTicksUntil;
using testing::RunTicksUntilState;
using testing::SlotsOfRank;

bool AnswerOf(const Game& g, int seat) {
  return g.MainCourse == TurnStep::ApplyAnswer && g.CurrentSeat == seat;
}

using RoundsTest = testing::GameTest;

TEST_F(RoundsTest, WithTheHumanToLeadNoTickRunsUntilTheSetIsSent) {
  testing::SetUpRound(g, {"2x4 1xJ17", "2x5", "2x6", "2x7", "2x8", "2x9"}, 1);
  EXPECT_FALSE(RunTicksUntil(
      g, [] { return false; }, 20));
  EXPECT_EQ(g.MainCourse, TurnStep::HumanLead);
  EXPECT_FALSE(g.Win.TmrMainCircle.Enabled);
  EXPECT_TRUE(g.Flow.LeadMode);
  EXPECT_EQ(g.Win.LblPrompt.Caption, " 请选择一手牌发出 ");

  // A big joker led on its own ends the round at once: nobody else is asked.
  const int joker = SlotsOfRank(g, kBigJoker)[0];
  Input(g, ImgHandMouseUp, joker, MouseButton::Left, 0);
  Input(g, ImgHandMouseUp, joker, MouseButton::Left, 0);
  ASSERT_EQ(g.MainCourse, TurnStep::HumanLed);
  std::vector<TurnStep> trace;
  EXPECT_FALSE(RunTicksUntil(
      g, [] { return false; }, 50, &trace));
  EXPECT_EQ(trace, (std::vector<TurnStep>{
                       TurnStep::HumanLed, TurnStep::ExecuteLead, TurnStep::AfterLead,
                       TurnStep::AfterPlay, TurnStep::CloseAnswer, TurnStep::EndRound,
                       TurnStep::StartRound, TurnStep::SetUpLead, TurnStep::HumanLead}));
  EXPECT_EQ(g.MainCourse, TurnStep::HumanLead);
  EXPECT_EQ(g.LeadSeat, 1);
}

TEST_F(RoundsTest, ABigJokerAnswerEndsTheRoundWithItsSeatWithoutAskingTheOthers) {
  testing::SetUpRound(g, {"2x4 1x5", "2x5 1x6", "2x6 1xJ17", "2x7", "2x8", "2x9"}, 2);
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::ExecuteLead, 10));
  SetWholeBucket(g, 2, 6, g.TablePlay);
  ASSERT_TRUE(RunTicksUntil(
      g, [&] { return AnswerOf(g, 3); }, 20));
  testing::AnswerWith(g, 3, 6, 0, 0, 1);
  std::vector<TurnStep> trace;
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::SetUpLead, 20, &trace));
  EXPECT_EQ(trace, (std::vector<TurnStep>{TurnStep::ApplyAnswer, TurnStep::CloseAnswer,
                                          TurnStep::AfterPlay, TurnStep::CloseAnswer,
                                          TurnStep::EndRound, TurnStep::StartRound}));
  EXPECT_EQ(g.LeadSeat, 3);
  EXPECT_EQ(g.CurrentSeat, 3);
  EXPECT_FALSE(g.BigJokerOnTable);
  EXPECT_EQ(g.Burn.BurnOfferMode, 0) << "no burn offer between rounds";
}

TEST_F(RoundsTest, ALeaderThatGoesOutWithItsLeadLeavesTheLeadToTheNextSeat) {
  testing::SetUpRound(g, {"2x5", "2x6", "1xJ17", "2x7", "2x8", "2x9"}, 3);
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::EndRound, 20));
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::StartRound, 5));
  EXPECT_EQ(g.Seats[3].Place, 1);
  EXPECT_EQ(g.LeadSeat, 4);
  EXPECT_EQ(testing::EventLinesWith(g, "Delis: 接受“Corvan”的留封"), 1);
}

// Everybody declines two sixes; the opposite seat's second pass closes the round.
TEST_F(RoundsTest, AnOrdinaryPlayThatEveryoneDeclinesClosesWithTheSecondPassOfTheOppositeSeat) {
  testing::SetUpRound(g, {"2x9 1x4", "2x6 1x3", "2x3", "2x3", "2x3", "2x3"}, 2);
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::ExecuteLead, 10));
  SetWholeBucket(g, 2, 6, g.TablePlay);
  testing::RunWhileTimed(g, 50);
  ASSERT_EQ(g.MainCourse, TurnStep::HumanResponse);
  EXPECT_EQ(g.Win.CmdPass.ToolTipText, "过牌");
  Input(g, CmdPassClick);

  std::vector<int> asked;
  ASSERT_TRUE(RunTicksUntil(
      g,
      [&] {
        if (g.MainCourse == TurnStep::ApplyAnswer) asked.push_back(g.CurrentSeat);
        return g.MainCourse == TurnStep::EndRound;
      },
      50));
  EXPECT_EQ(asked, (std::vector<int>{1, 5}));
  for (int seat : {3, 4, 5, 6, 1}) {
    EXPECT_TRUE(g.Seats[seat].Passed) << seat;
    EXPECT_TRUE(g.Seats[seat].Folded) << seat;
  }
  EXPECT_TRUE(g.Flow.RoundOver);
  EXPECT_EQ(g.LeadSeat, 2);
  EXPECT_EQ(g.CurrentSeat, 2);
}

class ClosingTest : public testing::GameTest {
 protected:
  void SetUp() override {
    for (int seat = 1; seat <= kSeats; ++seat)
      testing::SetHand(g, seat, "2x3 2x4");
    testing::LayTable(g, 2, 12, 3);  // three queens
    g.CurrentSeat = 5;
    g.Seats[5].Passed = g.Seats[5].Folded = true;
    g.Flow.LastActionWasPass = true;
  }
};

TEST_F(ClosingTest, AZundaPlayIsClosedByAPassOfItsFoldedOppositeUnlessThatSeatIsOut) {
  g.Flow.LastActionWasPass = false;
  steps::CloseAnswer(g);
  EXPECT_EQ(g.MainCourse, TurnStep::AfterPlay);
  EXPECT_FALSE(g.Flow.RoundOver);

  g.Flow.LastActionWasPass = true;
  g.Seats[2].OppositeOut = true;
  steps::CloseAnswer(g);
  EXPECT_EQ(g.MainCourse, TurnStep::AfterPlay);

  g.Seats[2].OppositeOut = false;
  steps::CloseAnswer(g);
  EXPECT_EQ(g.MainCourse, TurnStep::EndRound);
  EXPECT_TRUE(g.Flow.RoundOver);
  EXPECT_EQ(g.LeadSeat, 2);
}

TEST_F(ClosingTest, ATablePlayerThatHasJustLaidItsLastCardsIsPlacedBeforeTheRoundEnds) {
  testing::SetHand(g, 2, "");
  testing::LayTable(g, 2, 6, 2);
  g.CurrentSeat = 2;
  g.Flow.LastActionWasPass = false;
  for (int seat : {1, 3, 4, 5, 6})
    g.Seats[seat].Passed = g.Seats[seat].Folded = true;
  steps::CloseAnswer(g);
  EXPECT_TRUE(g.Seats[2].Finished);
  EXPECT_EQ(g.Seats[2].Place, 1);
  EXPECT_EQ(g.MainCourse, TurnStep::EndRound);
  EXPECT_TRUE(g.Flow.RoundOver);
  EXPECT_NE(g.LeadSeat, 2);
  EXPECT_TRUE(InPlay(g, g.LeadSeat));
}

TEST_F(ClosingTest, AnOrdinaryPlayClosesOnlyWhenEveryoneElseHasPassedOrFolded) {
  testing::LayTable(g, 2, 6, 2);
  steps::CloseAnswer(g);
  EXPECT_EQ(g.MainCourse, TurnStep::AfterPlay);
  for (int seat : {1, 3, 4, 6})
    g.Seats[seat].Passed = true;
  steps::CloseAnswer(g);
  EXPECT_EQ(g.MainCourse, TurnStep::EndRound);

  // With four in play only folding by all closes it.
  testing::TestGame other;
  Game& h = other.game;
  for (int seat = 1; seat <= kSeats; ++seat)
    testing::SetHand(h, seat, "2x3 2x4");
  testing::GoneOut(h, 3);
  testing::GoneOut(h, 4);
  testing::LayTable(h, 2, 6, 2);
  h.CurrentSeat = 1;
  h.Flow.LastActionWasPass = true;
  for (int seat : {5, 6, 1})
    h.Seats[seat].Passed = true;
  h.Seats[5].Folded = true;
  steps::CloseAnswer(h);
  EXPECT_EQ(h.MainCourse, TurnStep::AfterPlay);
  h.Seats[6].Folded = h.Seats[1].Folded = true;
  steps::CloseAnswer(h);
  EXPECT_EQ(h.MainCourse, TurnStep::EndRound);
  EXPECT_TRUE(h.Flow.FoldInForce);
  EXPECT_EQ(h.LeadSeat, 2);
}

// Who answers next; the `out` seats went out in that order.
struct ResponderCase {
  std::vector<int> out;
  char table;  // 'Z' Zunda, 'O' ordinary, 'B' with a big joker
  int tableSeat;
  std::vector<int> passed, shaded;
  int s0, next;
  int fold = -1;  // FoldInForce afterwards, when it matters
  bool foldBefore = false;
  int burner = 0, scorched = 0, emptied = 0, finished = 0;
  std::vector<int> folded = {};  // when given, exactly the seats folded afterwards
};

const ResponderCase kResponderCases[] = {
    // Six seats: a Zunda play is answered first by the seat opposite the one who acted; when
    // that seat has passed the turn goes back to the table player.
    {{}, 'Z', 2, {}, {}, 2, 5, 1},
    {{}, 'Z', 2, {5}, {}, 5, 2, 1},
    {{}, 'Z', 2, {3, 4, 5, 6, 1}, {}, 1, 2},  // seat 1 burned, jumping 3 to 6, then declined
    {{}, 'Z', 6, {1}, {}, 4, 6},
    // An ordinary play goes round, skipping seats that passed.
    {{}, 'O', 2, {}, {}, 2, 3, 0, true},
    {{}, 'O', 2, {3, 4}, {}, 3, 5},
    {{}, 'O', 2, {3, 4, 5, 6}, {}, 5, 1},
    // Everyone else shaded: the table player's opposite, unless the table player is scorched
    // or the opposite has no cards.
    {{}, 'O', 2, {3, 4, 5, 6, 1}, {3, 4, 5, 6, 1}, 1, 5, 1},
    {{}, 'O', 2, {3, 4, 5, 6, 1}, {3, 4, 5, 6, 1}, 1, 3, -1, false, 0, 2},
    {{}, 'O', 2, {3, 4, 5, 6, 1}, {3, 4, 5, 6, 1}, 1, 2, -1, false, 0, 0, 5},
    // The plain rotation back to the table player asks its opposite, or ends the round.
    {{}, 'O', 2, {3, 4, 5, 6}, {3, 4, 6}, 6, 1},
    {{}, 'O', 2, {3, 4, 5, 6, 1}, {3, 4, 6}, 1, 5, 1},
    {{}, 'O', 2, {3, 4, 5, 6, 1}, {3, 4, 6}, 1, 2, -1, false, 0, 0, 0, 5},
    // A burner answers next whatever the case; a big joker ends the round with its seat, or
    // with the next seat when those were its last cards.
    {{}, 'Z', 2, {}, {}, 2, 1, 1, false, 1},
    {{4}, 'Z', 2, {}, {}, 2, 1, 1, false, 1},
    {{}, 'B', 3, {}, {}, 3, 3},
    {{}, 'B', 3, {}, {}, 3, 4, -1, false, 0, 0, 3, 3},
    // Five seats, seat 4 out: seat 1 has lost its opposite. A Zunda play just laid by seat 1
    // goes round to the first seat that has not passed.
    {{4}, 'Z', 1, {}, {}, 1, 2},
    {{4}, 'Z', 1, {2, 3}, {}, 1, 5, -1, false, 0, 0, 0, 0, {2, 3}},  // folded on the way
    // Laid by another seat: to the seat that must fold, else to the opposite.
    {{4}, 'Z', 6, {}, {}, 6, 1},
    {{4}, 'Z', 6, {1}, {}, 6, 3},
    {{4}, 'Z', 2, {}, {}, 2, 5},
    // Answers to seat 1's Zunda play go round; coming back to seat 1 forces the fold.
    {{4}, 'Z', 1, {}, {}, 2, 3, 0},
    {{4}, 'Z', 1, {2, 3, 5}, {}, 6, 1, 1},
    // The seat opposite the Zunda play has acted.
    {{4}, 'Z', 6, {}, {}, 3, 3, 1},
    {{4}, 'Z', 3, {}, {}, 6, 1, 1},
    {{4}, 'Z', 3, {1}, {}, 6, 6, -1, true},
    // Another seat has acted.
    {{4}, 'Z', 2, {}, {}, 6, 1},
    {{4}, 'Z', 2, {}, {}, 3, 5},
    // An ordinary play: round, the shaded round to the opposite, which may be out.
    {{4}, 'O', 2, {}, {}, 2, 3},
    {{4}, 'O', 2, {}, {}, 3, 5},
    {{4}, 'O', 2, {3, 5, 6, 1}, {3, 5, 6, 1}, 1, 5, 1},
    {{4}, 'O', 1, {2, 3, 5, 6}, {2, 3, 5, 6}, 6, 1},
    // Four seats: the rotation never hands the turn to the table player.
    {{4, 5}, 'O', 2, {3, 6, 1}, {}, 1, 3, 1},
    {{4, 5}, 'O', 2, {3, 6, 1}, {}, 6, 1},
};

void SetUpResponder(Game& g, const ResponderCase& c) {
  for (int seat = 1; seat <= kSeats; ++seat)
    testing::SetHand(g, seat, "2x3 2x4 2x5");
  for (int seat : c.out)
    testing::GoneOut(g, seat);
  if (c.table == 'Z') LayTable(g, c.tableSeat, 12, 3);
  if (c.table == 'O') LayTable(g, c.tableSeat, 6, 2);
  if (c.table == 'B') LayTable(g, c.tableSeat, 9, 2, 1);
  for (int seat : c.passed)
    g.Seats[seat].Passed = true;
  for (int seat : c.shaded)
    ShadePassedLabel(g, seat);
  g.Flow.FoldInForce = c.foldBefore;
  g.Burn.BurnerSeat = c.burner;
  if (c.scorched != 0) g.Seats[c.scorched].Scorched = true;
  if (c.emptied != 0) testing::SetHand(g, c.emptied, "");
  if (c.finished != 0) g.Seats[c.finished].Finished = true;
}

TEST(NextResponder, PicksTheSeatThatAnswersNext) {
  for (const ResponderCase& c : kResponderCases) {
    SCOPED_TRACE(::testing::Message() << c.table << " of seat " << c.tableSeat << ", "
                                      << c.out.size() << " out, after seat " << c.s0);
    testing::TestGame t;
    Game& g = t.game;
    SetUpResponder(g, c);
    NextResponder(g, c.s0);
    EXPECT_EQ(g.CurrentSeat, c.next);
    EXPECT_TRUE(g.Seats[c.next].OnTurn);
    if (c.fold >= 0) {
      EXPECT_EQ(g.Flow.FoldInForce, c.fold == 1);
    }
    EXPECT_EQ(g.Burn.BurnerSeat, 0);
    for (int seat = 1; seat <= kSeats && !c.folded.empty(); ++seat) {
      EXPECT_EQ(g.Seats[seat].Folded, std::count(c.folded.begin(), c.folded.end(), seat) > 0)
          << seat;
    }
  }
}

}  // namespace
}  // namespace zunda

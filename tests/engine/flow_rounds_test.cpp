#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game.h"
#include "engine_fixture.h"
#include "flow/steps.h"
#include "players/lead_choice.h"
#include "rules/human_input.h"

namespace zunda {
namespace {

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

// Seat 3 leads its last card, a big joker: it goes out, the round ends, and seat 4 takes
// over its lead with a leave-seal.
TEST_F(RoundsTest, ALeaderThatGoesOutWithItsLeadLeavesTheLeadToTheNextSeat) {
  testing::SetUpRound(g, {"2x5", "2x6", "1xJ17", "2x7", "2x8", "2x9"}, 3);
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::EndRound, 20));
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::StartRound, 5));
  EXPECT_EQ(g.Seats[3].Place, 1);
  EXPECT_EQ(g.LeadSeat, 4);
  EXPECT_EQ(testing::EventLinesWith(g, "Delis: 接受“Corvan”的留封"), 1);
}

// A computer seat's play ends a burn that another seat still holds.
TEST_F(RoundsTest, APlayByAnotherSeatEndsTheHumansBurn) {
  testing::SetUpRound(g, {"2x4", "2x6", "2x7", "2x8", "2x9", "2x10"}, 2);
  ASSERT_TRUE(RunTicksUntil(
      g, [&] { return AnswerOf(g, 3); }, 20));
  g.Seats[1].Burned = true;
  g.Win.CmdShaoHuLe.Visible = true;
  testing::AnswerWith(g, 3, 7, 2);
  testing::Tick(g);
  EXPECT_EQ(g.TablePlay.Seat, 3);
  EXPECT_FALSE(g.Seats[1].Burned);
  EXPECT_FALSE(g.Win.CmdShaoHuLe.Visible);
}

// Seat 2 leads two sixes; everybody declines. The seat opposite the table player is asked a
// second time, and its second pass closes the round.
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

  // The next round starts afresh: the shading of those passes is gone, the answers begin
  // with the seat after the leader again, and the round ends the same way.
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::SetUpLead, 5));
  for (int seat : {3, 4, 5, 6, 1})
    EXPECT_EQ(g.Win.LblName[seat].BackColor, kColorNormal) << seat;
  asked.clear();
  const bool ended = RunTicksUntil(
      g,
      [&] {
        if (g.MainCourse == TurnStep::ApplyAnswer) asked.push_back(g.CurrentSeat);
        if (g.MainCourse == TurnStep::HumanResponse && !g.Win.TmrMainCircle.Enabled)
          Input(g, CmdPassClick);
        return g.MainCourse == TurnStep::EndRound;
      },
      200);
  EXPECT_TRUE(ended);
  EXPECT_EQ(asked, (std::vector<int>{3, 4, 5, 6, 1, 5}));
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

TEST_F(ClosingTest, AZundaPlayWhoseOppositeSeatHasFoldedIsClosedAfterAPass) {
  steps::CloseAnswer(g);
  EXPECT_EQ(g.MainCourse, TurnStep::EndRound);
  EXPECT_TRUE(g.Flow.RoundOver);
  EXPECT_EQ(g.LeadSeat, 2);
}

TEST_F(ClosingTest, StaysOpenAfterAPlayOrWhenTheTablePlayerLostItsOppositeSeat) {
  g.Flow.LastActionWasPass = false;
  steps::CloseAnswer(g);
  EXPECT_EQ(g.MainCourse, TurnStep::AfterPlay);
  EXPECT_FALSE(g.Flow.RoundOver);

  g.Flow.LastActionWasPass = true;
  g.Seats[2].OppositeOut = true;
  steps::CloseAnswer(g);
  EXPECT_EQ(g.MainCourse, TurnStep::AfterPlay);
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

}  // namespace
}  // namespace zunda

namespace zunda {
namespace {

// While a computer seat is answering, the human's clicks and buttons change nothing and the
// turn cycle goes on as before.
TEST_F(RoundsTest, TheHumansCommandsOutOfTurnAreRefusedWithoutDisturbingTheCycle) {
  testing::SetUpRound(g, {"2x9 1x4", "2x6 1x3", "2x3", "2x3", "2x3", "2x3"}, 2);
  ASSERT_TRUE(RunTicksUntil(
      g, [&] { return g.MainCourse == TurnStep::ComputerResponse && g.CurrentSeat == 4; }, 30));
  const HandGrid hands = g.Hand;
  const PlayRecord table = g.TablePlay;

  Input(g, ImgHandMouseUp, SlotsOfRank(g, 9)[0], MouseButton::Left, 0);
  EXPECT_EQ(g.Win.LblPrompt.Caption, "不要着急,还不到您出牌的时候!");
  EXPECT_TRUE(testing::RaisedSlots(g).empty());
  Input(g, CmdSendClick);
  EXPECT_EQ(g.Win.LblPrompt.Caption, "不要着急,还不到您出牌的时候!");
  Input(g, CmdPassClick);
  EXPECT_FALSE(g.Flow.HumanPassed);
  EXPECT_EQ(g.MainCourse, TurnStep::ComputerResponse);
  EXPECT_EQ(g.CurrentSeat, 4);
  EXPECT_EQ(g.Hand, hands);
  EXPECT_EQ(g.TablePlay, table);
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);

  testing::Tick(g);
  EXPECT_EQ(g.MainCourse, TurnStep::ApplyAnswer);
  EXPECT_EQ(g.CurrentSeat, 4);
}

}  // namespace
}  // namespace zunda

// The smallest positions that once made a round ask the same seats for ever or ask an empty
// hand to lead.
#include <gtest/gtest.h>

#include "core/delay.h"
#include "core/game.h"
#include "core/label_looks.h"
#include "core/seats.h"
#include "engine_fixture.h"
#include "flow/new_round.h"
#include "flow/responder.h"
#include "flow/steps.h"
#include "rules/burning.h"
#include "rules/tribute.h"

namespace zunda {
namespace {

using testing::StartPlaying;

class TurnCycleRound : public testing::GameTest {
 protected:
  void SetUp() override { StartPlaying(g); }

  void PassAndFold(int seat, bool fold = true) {
    g.Seats[seat].Passed = true;
    g.Seats[seat].Folded = fold;
    SetPassedOverLook(g, seat);
  }
};

TEST_F(TurnCycleRound, ANewRoundForgetsTheShadingOfThePassesBeforeIt) {
  // Everybody but seat 5 passed in the last round; seat 3 has gone out meanwhile.
  for (int seat : {1, 2, 4, 6})
    PassAndFold(seat);
  g.Seats[3].Finished = true;
  SetOutLook(g, 3);
  NewRound(g);
  for (int seat : {1, 2, 4, 6}) {
    EXPECT_FALSE(g.Seats[seat].Passed) << seat;
    EXPECT_EQ(g.Win.LblName[seat].BackColor, kColorNormal) << seat;
  }
  EXPECT_EQ(g.Win.LblName[3].BackColor, kColorOut);

  // Seat 5 leads a single card: the next seat answers, not the seat opposite as if every
  // other seat had already passed.
  testing::LayTable(g, 5, 4, 1);
  NextResponder(g, 5);
  EXPECT_EQ(g.CurrentSeat, 6);
  EXPECT_FALSE(g.Flow.FoldInForce);
}

TEST_F(TurnCycleRound, AScorchedSeatHoldingCardsDoesNotKeepTheAnsweringOpen) {
  // The human was scorched with cards left; seat 2's single card was passed by all the others.
  g.Seats[1].Scorched = true;
  g.Seats[1].Finished = true;
  SetOutLook(g, 1);
  testing::LayTable(g, 2, 9, 1);
  for (int seat : {3, 4, 5})
    PassAndFold(seat);
  PassAndFold(6, /*fold=*/false);
  EXPECT_TRUE(AllOthersPassed(g, 2));

  g.CurrentSeat = 5;
  g.Flow.LastActionWasPass = true;
  steps::CloseAnswer(g);
  EXPECT_TRUE(g.Flow.RoundOver);
  EXPECT_EQ(g.MainCourse, TurnStep::EndRound);
  EXPECT_EQ(g.LeadSeat, 2);
}

TEST_F(TurnCycleRound, APlayerWhoseLastCardsWereBurnedGoesOutBeforeTheBurnerAnswers) {
  // Seat 6 laid its last four kings; the human burned them during the wait.
  testing::LayTable(g, 6, 13, 4);
  g.Seats[6].CardCount = 0;
  g.CurrentSeat = 6;
  g.Burn.BurnerSeat = 1;
  g.Burn.BurnedSeat = 6;
  g.Seats[1].Burned = true;
  steps::HumanAnswered(g);
  EXPECT_TRUE(g.Seats[6].Finished);
  EXPECT_EQ(g.Seats[6].Place, 1);
  EXPECT_EQ(g.FinishOrder[1], 6);
  EXPECT_TRUE(g.Seats[3].OppositeOut);
  EXPECT_EQ(g.CurrentSeat, 1);
  EXPECT_EQ(g.MainCourse, TurnStep::SetUpResponder);
}

TEST_F(TurnCycleRound, AClosingPlayOfTheLastCardGoesOutAndHandsTheLeadOn) {
  // Seat 4 beat the table with its last card; every other seat in play had folded before.
  testing::GoOut(g, 1);
  for (int seat : {2, 3, 5, 6})
    PassAndFold(seat);
  testing::LayTable(g, 4, 14, 1);
  g.Seats[4].CardCount = 0;
  g.CurrentSeat = 4;
  g.Flow.LastActionWasPass = false;
  steps::CloseAnswer(g);
  EXPECT_TRUE(g.Seats[4].Finished);
  EXPECT_EQ(g.Seats[4].Place, 2);
  EXPECT_EQ(g.MainCourse, TurnStep::EndRound);
  EXPECT_EQ(g.LeadSeat, 5);
  EXPECT_TRUE(InPlay(g, g.LeadSeat));
}

TEST_F(TurnCycleRound, ABurnerScorchedByItsOwnAnswerLeavesTheLeadToTheBurnedSeat) {
  // The human, burner of seat 6, scorched itself with its answer after all others folded.
  g.Burn.BurnerSeat = 1;
  g.Burn.BurnedSeat = 6;
  g.Seats[1].Burned = true;
  for (int seat : {2, 3, 4, 5, 6})
    PassAndFold(seat);
  testing::LayTable(g, 1, 10, 2);
  g.CurrentSeat = 1;
  g.Flow.FoldInForce = true;
  g.Flow.LastActionWasPass = false;
  ScorchedVerdict(g, 1, /*byButton=*/false);
  ASSERT_EQ(g.LeadSeat, 6);
  steps::CloseAnswer(g);
  EXPECT_EQ(g.MainCourse, TurnStep::EndRound);
  EXPECT_EQ(g.LeadSeat, 6);
  EXPECT_EQ(testing::EventLinesWith(g, "留封"), 0) << "no seat inherits the lead from it";
}

TEST_F(TurnCycleRound, TheFirstHandOfANewGameIsMarkedAsPlayedWithoutTribute) {
  g.Tribute.PlayedThisHand = true;  // the last hand of the game before opened with a tribute
  g.FirstHand = true;
  steps::Tribute(g);
  EXPECT_FALSE(g.Tribute.PlayedThisHand);
  EXPECT_EQ(g.MainCourse, TurnStep::AnnounceLeader);
}

TEST_F(TurnCycleRound, ALongWaitBegunJustBeforeMidnightEndsAfterIt) {
  // Five seconds from 23:59:56 end at 00:00:01; a wait that never ends is stopped.
  t.host.SetClock(86396.0);
  long yields = 0;
  t.host.OnDoEvents([&] {
    if (++yields > 100000) g.Stopped = true;
  });
  g.Flow.FirstWaitPending = false;
  ASSERT_NO_THROW(Delay(g, 5.0));
  EXPECT_TRUE(g.Flow.DelayDone);
  EXPECT_LT(g.Clock(), 2.0);
}

}  // namespace
}  // namespace zunda

#include <gtest/gtest.h>

#include "core/game.h"
#include "core/seats.h"
#include "engine_fixture.h"
#include "flow/responder.h"

namespace zunda {
namespace {

using testing::LayTable;

// Every seat holds cards; `out` seats have already gone out in that order.
class NextResponderTest : public testing::GameTest {
 protected:
  void Seat(std::initializer_list<int> out = {}) {
    for (int seat = 1; seat <= kSeats; ++seat)
      testing::SetHand(g, seat, "2x3 2x4 2x5");
    for (int seat : out)
      testing::GoneOut(g, seat);
  }
  void Zunda(int seat) { LayTable(g, seat, 12, 3); }    // three queens
  void Ordinary(int seat) { LayTable(g, seat, 6, 2); }  // two sixes
  void Pass(std::initializer_list<int> seats) {
    for (int seat : seats)
      g.Seats[seat].Passed = true;
  }
  void Shade(std::initializer_list<int> seats) {
    for (int seat : seats)
      ShadePassedLabel(g, seat);
  }
  int Next(int s0) {
    NextResponder(g, s0);
    if (g.CurrentSeat != 0) {
      EXPECT_TRUE(g.Seats[g.CurrentSeat].OnTurn);
    }
    return g.CurrentSeat;
  }
};

// --- Six seats in play. ---

TEST_F(NextResponderTest, SixSeatsAZundaPlayIsAnsweredFirstByTheSeatOppositeTheOneWhoActed) {
  Seat();
  Zunda(2);
  EXPECT_EQ(Next(2), 5);
  EXPECT_TRUE(g.Flow.FoldInForce);
  // The opposite seat passed: the turn is back with the table player, which ends the round.
  g.Flow.FoldInForce = false;
  Pass({5});
  EXPECT_EQ(Next(5), 2);
  EXPECT_TRUE(g.Flow.FoldInForce);
}

TEST_F(NextResponderTest, SixSeatsAnOrdinaryPlayGoesRoundSkippingSeatsThatPassedOrLeft) {
  Seat();
  Ordinary(2);
  g.Flow.FoldInForce = true;
  EXPECT_EQ(Next(2), 3);
  EXPECT_FALSE(g.Flow.FoldInForce);
  Pass({3, 4});
  EXPECT_EQ(Next(3), 5);
  Pass({5, 6});
  EXPECT_EQ(Next(5), 1);
}

TEST_F(NextResponderTest, SixSeatsWhenEveryoneElseIsShadedTheSeatOppositeTheTablePlayerAnswers) {
  Seat();
  Ordinary(2);
  Pass({3, 4, 5, 6, 1});
  Shade({3, 4, 5, 6, 1});
  EXPECT_EQ(Next(1), 5);
  EXPECT_TRUE(g.Flow.FoldInForce);
  // A scorched table player gets no second chance from its opposite: the round ends with it.
  g.Seats[2].Scorched = true;
  EXPECT_EQ(Next(1), 3);  // the table player is out, so the next seat in play
  g.Seats[2].Scorched = false;
  // Its opposite without cards: the table player itself.
  testing::SetHand(g, 5, "");
  EXPECT_EQ(Next(1), 2);
}

TEST_F(NextResponderTest, SixSeatsTheRotationBackToTheTablePlayerAsksItsOppositeOrEndsTheRound) {
  Seat();
  Ordinary(2);
  Pass({3, 4, 5, 6});
  Shade({3, 4, 6});  // seat 5's label not yet shaded: case of the plain rotation
  EXPECT_EQ(Next(6), 1);
  Pass({1});
  EXPECT_EQ(Next(1), 5);
  EXPECT_TRUE(g.Flow.FoldInForce);
  g.Seats[5].Finished = true;
  EXPECT_EQ(Next(1), 2);
}

TEST_F(NextResponderTest,
       SixSeatsASeatOppositeOneThatAlreadyPassedSendsTheTurnBackToTheTablePlayer) {
  Seat();
  Zunda(2);
  Pass({3, 4, 5, 6, 1});  // seat 1 burned, jumping 3 to 6, then declined
  EXPECT_EQ(Next(1), 2);
  Zunda(6);
  for (int seat = 1; seat <= kSeats; ++seat)
    g.Seats[seat].Passed = seat == 1;
  EXPECT_EQ(Next(4), 6);
}

TEST_F(NextResponderTest, ABurnerAnswersNextWhateverTheCase) {
  Seat();
  Zunda(2);
  g.Burn.BurnerSeat = 1;
  EXPECT_EQ(Next(2), 1);
  EXPECT_EQ(g.Burn.BurnerSeat, 0);
  EXPECT_TRUE(g.Flow.FoldInForce);

  Seat({4});
  Zunda(2);
  g.Burn.BurnerSeat = 1;
  EXPECT_EQ(Next(2), 1);
}

TEST_F(NextResponderTest, ABigJokerEndsTheRoundWithTheSeatThatLaidIt) {
  Seat();
  LayTable(g, 3, 9, 2, 1);
  EXPECT_EQ(Next(3), 3);
  // Laid as the seat's last cards: the next seat in play takes the lead.
  testing::SetHand(g, 3, "");
  g.Seats[3].Finished = true;
  EXPECT_EQ(Next(3), 4);
}

// --- Five seats in play: seat 4 is out, so seat 1 has lost its opposite seat. ---

TEST_F(NextResponderTest, FiveSeatsAZundaPlayJustLaidByASeatWithoutItsOpposite) {
  Seat({4});
  ASSERT_TRUE(g.Seats[1].OppositeOut);
  Zunda(1);
  EXPECT_EQ(Next(1), 2);
  // Passed seats met on the way fold; seat 4 is out and skipped.
  Pass({2, 3});
  EXPECT_EQ(Next(1), 5);
  EXPECT_TRUE(g.Seats[2].Folded);
  EXPECT_TRUE(g.Seats[3].Folded);
  EXPECT_FALSE(g.Seats[5].Folded);
}

TEST_F(NextResponderTest, FiveSeatsAZundaPlayJustLaidGoesToTheSeatThatMustFoldOrToTheOpposite) {
  Seat({4});
  Zunda(6);
  EXPECT_EQ(Next(6), 1);  // seat 1 follows and has lost its opposite
  Pass({1});
  EXPECT_EQ(Next(6), 3);  // it has passed: the seat opposite answers

  Zunda(2);
  g.Seats[1].Passed = false;
  EXPECT_EQ(Next(2), 5);  // neither seat 3 nor seat 4 has to fold
}

TEST_F(NextResponderTest, FiveSeatsAnAnswerToAZundaPlayOfASeatWithoutItsOpposite) {
  Seat({4});
  Zunda(1);
  EXPECT_EQ(Next(2), 3);
  EXPECT_FALSE(g.Flow.FoldInForce);
  // Everyone after seat 6 passed: the walk comes back to the table player.
  Pass({2, 3, 5});
  EXPECT_EQ(Next(6), 1);
  EXPECT_TRUE(g.Flow.FoldInForce);
}

TEST_F(NextResponderTest, FiveSeatsTheSeatOppositeAZundaPlayHasActed) {
  Seat({4});
  Zunda(6);
  EXPECT_EQ(Next(3), 3);  // no seat after it must fold: it is asked again
  EXPECT_TRUE(g.Flow.FoldInForce);

  Zunda(3);
  g.Flow.FoldInForce = false;
  EXPECT_EQ(Next(6), 1);  // seat 1 must fold first
  EXPECT_TRUE(g.Flow.FoldInForce);
  Pass({1});
  EXPECT_EQ(Next(6), 6);
}

TEST_F(NextResponderTest, FiveSeatsAnotherSeatHasActedOnAZundaPlay) {
  Seat({4});
  Zunda(2);
  EXPECT_EQ(Next(6), 1);  // seat 1 has lost its opposite and must answer
  EXPECT_EQ(Next(3), 5);  // nobody to fold: the seat opposite the table player
}

TEST_F(NextResponderTest, FiveSeatsAnOrdinaryPlayShadedRoundAndTheRotation) {
  Seat({4});
  Ordinary(2);
  EXPECT_EQ(Next(2), 3);
  EXPECT_EQ(Next(3), 5);  // seat 4 is out
  Pass({3, 5, 6, 1});
  Shade({3, 5, 6, 1});
  EXPECT_EQ(Next(1), 5);  // everyone else shaded: the opposite of the table player
  EXPECT_TRUE(g.Flow.FoldInForce);

  // The table player's opposite is out: the round ends with the table player.
  Ordinary(1);
  Pass({2, 3, 5, 6});
  Shade({2, 3, 5, 6});
  g.Seats[1].Passed = false;
  EXPECT_EQ(Next(6), 1);
}

TEST_F(NextResponderTest, FourSeatsTheRotationNeverHandsTheTurnToTheTablePlayer) {
  Seat({4, 5});
  Ordinary(2);
  Pass({3, 6, 1});
  EXPECT_EQ(Next(1), 3);  // asked again rather than ending the round by passes
  EXPECT_TRUE(g.Flow.FoldInForce);
  EXPECT_EQ(Next(6), 1);
  // The next seat after the one that acted is the table player: the seat after it.
  EXPECT_EQ(Next(1), 3);
}

}  // namespace
}  // namespace zunda

#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "players/answer_choice.h"

namespace zunda {
namespace {

using testing::MakePlay;
using testing::SetHand;

struct HoldBackTest : testing::AnswerTable {
  bool Hold(int rank, int seat = 2) { return HoldBack(g, seat, rank, g.TablePlay); }
};

TEST_F(HoldBackTest, JokersOnALongSetOnlyFromAStrongHandWithFewSets) {
  Lay(3, MakePlay(7, 2));
  Give(2, "2x5 2x9 2xJ17", true);
  EXPECT_FALSE(Hold(17));
  EXPECT_FALSE(Hold(16));
  g.Seats[2].StrongHand = false;
  EXPECT_TRUE(Hold(17));
  Give(2, "2x5 2x9 2x10 2xJ17", true);
  EXPECT_TRUE(Hold(17)) << "three sets left";
  Give(2, "2x5 2x9 2xJ17", true);
  Lay(3, MakePlay(7, 1, 0, 1));
  EXPECT_TRUE(Hold(17)) << "the table carries a small joker";
}

TEST_F(HoldBackTest, TwosOnALongSetOnlyAgainstAcesOrHigher) {
  Give(2, "3x2 2x5 2x9 2x10", true);
  Lay(3, MakePlay(14, 2));
  EXPECT_FALSE(Hold(15));
  Lay(3, MakePlay(13, 2));
  EXPECT_TRUE(Hold(15)) << "kings are below the ace";
  // Four aces: short sets no longer, so many twos or few sets are needed.
  Lay(3, MakePlay(14, 4));
  EXPECT_TRUE(Hold(15));
  Give(2, "5x2 2x5 2x9 2x10", true);
  EXPECT_FALSE(Hold(15)) << "more than four twos";
  Give(2, "3x2 2x5 2x9", true);
  EXPECT_FALSE(Hold(15)) << "two sets left";
  g.Seats[2].StrongHand = false;
  EXPECT_TRUE(Hold(15));
}

TEST_F(HoldBackTest, HighRanksOnALongSetWithThresholdsMovingDownTheRanks) {
  // Aces: a strong hand with two sets answers a pair of nines, with three sets it does not.
  Give(2, "2x5 2xA", true);
  Lay(3, MakePlay(9, 2));
  EXPECT_FALSE(Hold(14));
  Give(2, "2x5 2x7 2xA", true);
  EXPECT_TRUE(Hold(14));
  Lay(3, MakePlay(11, 2));
  EXPECT_FALSE(Hold(14)) << "jacks are above ten";

  // Kings: a weak hand answers a short set above nine, never a partner's set of ten or more.
  Give(2, "2x5 2x7 2xK");
  Lay(3, MakePlay(10, 2));
  EXPECT_FALSE(Hold(13));
  Lay(3, MakePlay(9, 2));
  EXPECT_TRUE(Hold(13));
  Lay(3, MakePlay(10, 4));
  EXPECT_TRUE(Hold(13)) << "four cards";
  Lay(4, MakePlay(11, 2));
  EXPECT_TRUE(Hold(13)) << "the partner's jacks";

  // Queens: a strong hand with three sets keeps them against sixes, not against sevens.
  Give(2, "2x5 2x9 2xQ", true);
  Lay(3, MakePlay(6, 2));
  EXPECT_TRUE(Hold(12));
  Lay(3, MakePlay(7, 2));
  EXPECT_FALSE(Hold(12));

  // Jacks and below are never kept for their own sake.
  g.Seats[2].StrongHand = false;
  Lay(3, MakePlay(5, 3));
  EXPECT_FALSE(Hold(11));
}

TEST_F(HoldBackTest, ASingleCardIsNotBeatenWithASpareTwoOrAJokerTwoRanksUp) {
  Lay(3, MakePlay(9, 1));
  Give(2, "2x2 2x5 2x7");
  EXPECT_TRUE(Hold(15));
  Give(2, "3x2 2x5 2x7");
  EXPECT_FALSE(Hold(15)) << "three twos";
  Give(2, "2x2 2x5 2x7", true);
  EXPECT_FALSE(Hold(15)) << "strong hand";

  Give(2, "1xJ16 1xJ17 2x5 2x7", true);
  Lay(3, MakePlay(14, 1));
  EXPECT_TRUE(Hold(16));
  Lay(3, MakePlay(0, 0, 1));
  EXPECT_FALSE(Hold(16)) << "one two: a small joker is one rank up";
  EXPECT_TRUE(Hold(17));
  Lay(3, MakePlay(0, 0, 0, 1));
  EXPECT_FALSE(Hold(17));
}

TEST_F(HoldBackTest, PartnersPlaysAndZundaPlaysAreLeftStanding) {
  Give(2, "3x5 3x10 3xQ 1xJ16", true);
  Lay(4, MakePlay(9, 5));
  EXPECT_TRUE(Hold(10)) << "partner's five nines";
  Lay(4, MakePlay(8, 5));
  EXPECT_FALSE(Hold(10));
  Lay(4, MakePlay(13, 2));
  EXPECT_TRUE(Hold(14)) << "partner's Zunda play";

  // A Zunda play of an opponent is only fought by a strong hand.
  Lay(3, MakePlay(0, 0, 1));
  EXPECT_FALSE(Hold(16));
  g.Seats[2].StrongHand = false;
  EXPECT_TRUE(Hold(16));
}

TEST_F(HoldBackTest, WithFewSeatsLeftThePartnersFairSetIsLeftStanding) {
  Out(1);
  Out(3);
  Give(2, "3x5 3x10", true);
  Lay(4, MakePlay(8, 2));
  EXPECT_TRUE(Hold(10));
  Lay(4, MakePlay(7, 2));
  EXPECT_FALSE(Hold(10));
  Lay(4, MakePlay(5, 5));
  EXPECT_TRUE(Hold(10)) << "five cards";
}

TEST_F(HoldBackTest, WhenEveryOpponentGaveUpThePartnerKeepsTheRound) {
  Give(2, "3x5 3x10", true);
  Lay(4, MakePlay(5, 2));
  g.Seats[1].Passed = g.Seats[3].Passed = true;
  EXPECT_FALSE(Hold(10)) << "seat 5 may still answer";
  Out(5);
  EXPECT_TRUE(Hold(10));
  SetHand(g, 4, "");
  EXPECT_FALSE(Hold(10)) << "the table's seat has no cards left to lead";
}

TEST_F(HoldBackTest, LastOpponentOrGoingOutOverridesEverything) {
  Give(2, "2x5 2x9 2xJ17");
  Lay(3, MakePlay(7, 2));
  ASSERT_TRUE(Hold(17));
  Out(1);
  Out(5);
  EXPECT_FALSE(Hold(17)) << "seat 3 is the last opponent";

  SetUp();
  Give(2, "2xJ17");
  Lay(4, MakePlay(13, 2));
  EXPECT_FALSE(Hold(17)) << "the jokers empty the hand, even over a partner's Zunda play";
}

TEST_F(HoldBackTest, LeaveTablePlayLetsTheSeatBehindAFinishedPlayerTakeOver) {
  Lay(3, MakePlay(7, 6));
  Out(3);
  EXPECT_TRUE(LeaveTablePlay(g, 2, g.TablePlay)) << "seat 4, behind seat 3, is a partner";
  EXPECT_TRUE(HoldBack(g, 2, 10, g.TablePlay));
  EXPECT_FALSE(LeaveTablePlay(g, 5, g.TablePlay));
  Lay(3, MakePlay(9, 5));
  EXPECT_TRUE(LeaveTablePlay(g, 2, g.TablePlay));
  Lay(3, MakePlay(13, 2));
  EXPECT_TRUE(LeaveTablePlay(g, 2, g.TablePlay)) << "a Zunda play";

  // A set that is not big: left only when everyone else has let it pass.
  Lay(3, MakePlay(8, 5));
  EXPECT_FALSE(LeaveTablePlay(g, 2, g.TablePlay));
  for (int seat : {1, 4, 5, 6})
    g.Seats[seat].Passed = true;
  EXPECT_TRUE(LeaveTablePlay(g, 2, g.TablePlay));
  EXPECT_FALSE(LeaveTablePlay(g, 5, g.TablePlay)) << "the lead goes to seat 4, not seat 5's side";
  g.Seats[6].Passed = false;
  EXPECT_FALSE(LeaveTablePlay(g, 2, g.TablePlay));

  // A seat that still holds cards keeps its round.
  SetUp();
  Lay(3, MakePlay(7, 6));
  EXPECT_FALSE(LeaveTablePlay(g, 2, g.TablePlay));
}

TEST_F(HoldBackTest, PartnerPassedNeedsThePartnersPlayAndEveryOpponentInPlayPassed) {
  Lay(4, MakePlay(5, 2));
  g.Seats[1].Passed = g.Seats[3].Passed = true;
  EXPECT_FALSE(PartnerPassed(g, 2));
  Out(5);
  EXPECT_TRUE(PartnerPassed(g, 2));
  Lay(3, MakePlay(5, 2));
  EXPECT_FALSE(PartnerPassed(g, 2)) << "an opponent's play";
}

}  // namespace
}  // namespace zunda

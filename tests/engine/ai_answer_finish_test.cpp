#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "players/answer_choice.h"

namespace zunda {
namespace {

using testing::MakePlay;

using FollowToFinishTest = testing::AnswerTable;

TEST_F(FollowToFinishTest, KeepsTheFightersAnswerWhenItIsAlreadyGood) {
  // A Zunda play, the whole hand, or a single card: nothing better is looked for.
  Lay(3, MakePlay(11, 4));
  Give(2, "4xQ 2x9 1xJ16", true);
  EXPECT_EQ(Answer(FollowToFinish), "12:4/0/0/0");
  Lay(3, MakePlay(5, 3));
  Give(2, "3x8");
  EXPECT_EQ(Answer(FollowToFinish), "8:3/0/0/0");
}

TEST_F(FollowToFinishTest, PrefersASetCompletedWithOneWildcard) {
  Lay(3, MakePlay(5, 3));
  Give(2, "3x8 2x9 1xJ16");
  EXPECT_EQ(Answer(FollowToFinish), "9:2/0/1/0");
  // Too many sets for the jokers that would be left: the fighter's eights.
  Give(2, "3x8 2x9 1xJ16 1x3 1x4");
  EXPECT_EQ(Answer(FollowToFinish), "8:3/0/0/0");
}

TEST_F(FollowToFinishTest, ATwoMakesTheCompletedSetAZundaPlayWhenJokersAreScarce) {
  Lay(3, MakePlay(11, 3));
  Give(2, "2xQ 1x2 1xJ16 2x3 2x4");
  EXPECT_EQ(Answer(FollowToFinish), "12:2/1/0/0");
  Give(2, "2xQ 1x2 1xJ16 2x3");
  EXPECT_EQ(Answer(FollowToFinish), "12:2/0/1/0") << "jokers enough: the small joker";
  Give(2, "2xQ 1xJ16 2x3 2x4");
  EXPECT_EQ(Answer(FollowToFinish), "pass") << "the two it asks for is not there";
}

TEST_F(FollowToFinishTest, TwoOrThreeWildcardsTwosFirst) {
  Lay(3, MakePlay(6, 4));
  Give(2, "2x8 2x2 2x3");
  EXPECT_EQ(Answer(FollowToFinish), "8:2/2/0/0");
  Give(2, "2x8 1x2 1xJ16 2x3");
  EXPECT_EQ(Answer(FollowToFinish), "8:2/1/1/0");
  Give(2, "1x8 1x2 1xJ16 1xJ17 2x3");
  EXPECT_EQ(Answer(FollowToFinish), "8:1/1/1/1");
  // Small jokers on the table: the big jokers come on top.
  Lay(3, MakePlay(6, 3, 0, 1));
  Give(2, "1x8 2x2 1xJ17 2x3");
  EXPECT_EQ(Answer(FollowToFinish), "8:1/2/0/1");
}

TEST_F(FollowToFinishTest, ASingleCardIsMetWithTheLowestWildcard) {
  Lay(3, MakePlay(13, 1));
  Give(2, "1xJ16 1xJ17 2x3");
  EXPECT_EQ(Answer(FollowToFinish), "16:0/0/1/0");
  Lay(3, MakePlay(0, 0, 0, 1));
  EXPECT_EQ(Answer(FollowToFinish), "17:0/0/0/1");
}

TEST_F(FollowToFinishTest, WildcardsAloneOnlyInSmallNumbersAndLateInTheHand) {
  Lay(3, MakePlay(7, 3));
  Give(2, "3x2 1x3 1x4 1x5 1x6");
  EXPECT_EQ(Answer(FollowToFinish), "pass") << "four sets left against a low table";
  Give(2, "3x2 1x3 1x4");
  EXPECT_EQ(Answer(FollowToFinish), "15:0/3/0/0");
  Lay(3, MakePlay(7, 4));
  Give(2, "4x2 1x3 1x4");
  EXPECT_EQ(Answer(FollowToFinish), "pass") << "four twos";

  // A single joker against a single ace: only with few sets left.
  Lay(3, MakePlay(14, 1));
  Give(2, "2xJ16 2x5 2x6 2x7 2x8", true);
  EXPECT_EQ(Answer(FollowToFinish), "pass");
  Give(2, "2xJ16 2x5 2x6", true);
  EXPECT_EQ(Answer(FollowToFinish), "16:0/0/1/0");
}

TEST_F(FollowToFinishTest, APartnersBigPlayStandsUnlessItIsTheLastSet) {
  Lay(4, MakePlay(12, 3));
  Give(2, "2xK 1xJ16 2x3");
  EXPECT_EQ(Answer(FollowToFinish), "pass");
  Give(2, "2xK 1xJ16");
  EXPECT_EQ(Answer(FollowToFinish), "13:2/0/1/0");
}

TEST_F(FollowToFinishTest, WildAnswerTakesTheFirstRankWithEnoughWildcards) {
  Give(2, "3xA 3x2 2xJ16 1xJ17");
  Lay(3, MakePlay(9, 3));
  AnswerCandidate c = WildAnswer(g, 2);
  EXPECT_EQ(c.Rank, 15) << "a plain table skips the aces";
  EXPECT_EQ(c.Twos, 3);
  Lay(3, MakePlay(12, 3));
  EXPECT_TRUE(WildAnswer(g, 2).Empty()) << "a Zunda table stops at the aces";
  Give(2, "3x2 2xJ16 1xJ17");
  Lay(3, MakePlay(9, 2, 0, 1));
  c = WildAnswer(g, 2);
  EXPECT_EQ(c.Rank, 15) << "two cards besides the big joker";
  EXPECT_EQ(c.Twos, 2);
  EXPECT_EQ(c.Big, 1);
  Lay(3, MakePlay(0, 0, 2, 1));
  c = WildAnswer(g, 2);
  EXPECT_EQ(c.Rank, 16);
  EXPECT_EQ(c.Small, 2);
  EXPECT_EQ(c.Big, 1);
}

}  // namespace
}  // namespace zunda

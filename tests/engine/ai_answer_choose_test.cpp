#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "players/answer_choice.h"

namespace zunda {
namespace {

using testing::MakePlay;
using testing::Shape;

using ChooseAnswerTest = testing::AnswerTable;
using JokerAnswerTest = testing::AnswerTable;

TEST_F(ChooseAnswerTest, APartnersBigPlayOrAFinishedPlayersBigPlayIsLeftAlone) {
  Lay(4, MakePlay(12, 3));
  Give(2, "3xK 1xJ17", true);
  EXPECT_EQ(Answer(ChooseAnswer), "pass");
  Lay(3, MakePlay(7, 6));
  Out(3);
  Give(2, "6x9", true);
  EXPECT_EQ(Answer(ChooseAnswer), "pass");
  Lay(1, MakePlay(0, 0, 0, 0, 1));
  EXPECT_EQ(Answer(ChooseAnswer), "pass") << "a big joker";
}

TEST_F(ChooseAnswerTest, AnOpponentAboutToGoOutIsStoppedWithWildcards) {
  Lay(3, MakePlay(5, 3));
  Give(3, "3x8");
  Give(2, "2x9 1x2 2x3 2x4");
  EXPECT_EQ(Answer(ChooseAnswer), "9:2/1/0/0");
  // A joker left to escort its set: not about to go out, and nothing exact to answer with.
  Give(3, "3x8 1xJ16");
  EXPECT_EQ(Answer(ChooseAnswer), "pass");
  // The partner going out is not stopped.
  Give(3, "2x3 2x6 2x8 2xJ");
  Lay(4, MakePlay(5, 3));
  Give(4, "3x8");
  EXPECT_EQ(Answer(ChooseAnswer), "pass");
  // Nor is the last opponent allowed to run.
  Lay(3, MakePlay(5, 3));
  Give(3, "2x3 2x6 2x8 2xJ");
  Out(1);
  Out(5);
  EXPECT_EQ(Answer(ChooseAnswer), "9:2/1/0/0");
}

TEST_F(ChooseAnswerTest, ASeatOnItsLastSetOrInFinishModeRunsOut) {
  Lay(3, MakePlay(5, 3));
  Give(2, "2x9 1xJ16");
  EXPECT_EQ(Answer(ChooseAnswer), "9:2/0/1/0");
  Give(2, "2x9 1xJ16 2x4");
  g.Seats[2].FinishMode = true;
  Out(5);
  EXPECT_EQ(Answer(ChooseAnswer), "9:2/0/1/0");
  // With four seats in play finish mode alone does not change the follower.
  Out(6);
  EXPECT_EQ(Answer(ChooseAnswer), "pass");
}

TEST_F(ChooseAnswerTest, AStrongHandFightsWhenTheTableIsWorthIt) {
  Lay(3, MakePlay(6, 3));
  Give(2, "2x9 1xJ16 2x3 2x4", true);
  EXPECT_EQ(Answer(ChooseAnswer), "9:2/0/1/0") << "six seats in play";
  Out(5);
  Out(6);
  EXPECT_EQ(Answer(ChooseAnswer), "pass") << "four seats: only the exact set";
  g.Flow.FoldInForce = true;
  EXPECT_EQ(Answer(ChooseAnswer), "9:2/0/1/0") << "declining would fold";
  g.Flow.FoldInForce = false;

  Lay(3, MakePlay(9, 5));
  Give(2, "4xJ 1x2 2x4", true);
  EXPECT_EQ(Answer(ChooseAnswer), "pass");
  Lay(3, MakePlay(10, 5));
  EXPECT_EQ(Answer(ChooseAnswer), "11:4/1/0/0") << "a Zunda play";
  Out(1);
  Lay(3, MakePlay(9, 5));
  EXPECT_EQ(Answer(ChooseAnswer), "11:4/1/0/0") << "three seats in play";
}

TEST_F(JokerAnswerTest, BaseRankFromTheExactSetElseTheLargestHighestSet) {
  Lay(3, MakePlay(5, 3));
  Give(2, "3x9 2xK 1x2");
  EXPECT_TRUE(JokerAnswer(g, 2));
  EXPECT_EQ(Shape(g.Selection), "9:3/0/0/0");
  Lay(3, MakePlay(5, 4));
  Give(2, "2x7 2x10 1x2 1xJ16");
  EXPECT_TRUE(JokerAnswer(g, 2));
  EXPECT_EQ(Shape(g.Selection), "10:2/1/1/0");
  // A larger set is cut to size, with the bucket's last cards.
  Lay(3, MakePlay(5, 2));
  Give(2, "3x9");
  EXPECT_TRUE(JokerAnswer(g, 2));
  EXPECT_EQ(Shape(g.Selection), "9:2/0/0/0");
  EXPECT_EQ(g.Selection.BaseCodes[1], g.Hand[2][9].Codes[2]);
  EXPECT_EQ(g.Selection.BaseCodes[2], g.Hand[2][9].Codes[3]);
}

TEST_F(JokerAnswerTest, WildcardsAloneWhenNothingAboveTheTableIsHeld) {
  Lay(3, MakePlay(13, 3));
  Give(2, "2x2 1xJ16 3x4");
  EXPECT_TRUE(JokerAnswer(g, 2));
  EXPECT_EQ(Shape(g.Selection), "15:0/2/1/0");
  // The twos come from the end of the bucket.
  EXPECT_EQ(g.Selection.TwoCodes[1], g.Hand[2][15].Codes[2]);
  EXPECT_EQ(g.Selection.TwoCodes[2], g.Hand[2][15].Codes[1]);
  Give(2, "3xJ16 3x4");
  EXPECT_TRUE(JokerAnswer(g, 2));
  EXPECT_EQ(Shape(g.Selection), "16:0/0/3/0");
  Give(2, "1x2 1xJ16 2xJ17 3x4");
  EXPECT_FALSE(JokerAnswer(g, 2)) << "big jokers do not make up a set";
  EXPECT_EQ(g.Selection.Total, 0);
}

TEST_F(JokerAnswerTest, SmallJokersOnTheTableAskForBigJokers) {
  Lay(3, MakePlay(5, 2, 0, 1));
  Give(2, "1x9 1x2 2x4");
  EXPECT_FALSE(JokerAnswer(g, 2));
  Give(2, "1x9 1x2 1xJ17 2x4");
  EXPECT_TRUE(JokerAnswer(g, 2));
  EXPECT_EQ(Shape(g.Selection), "9:1/1/0/1");
  Lay(3, MakePlay(5, 2, 0, 0, 1));
  EXPECT_FALSE(JokerAnswer(g, 2)) << "a big joker on the table";
}

TEST_F(JokerAnswerTest, TwosAndJokersOnTheTableAreMetByJokers) {
  Lay(3, MakePlay(0, 0, 2, 1));
  Give(2, "1xJ16 2xJ17");
  EXPECT_TRUE(JokerAnswer(g, 2));
  EXPECT_EQ(Shape(g.Selection), "16:0/0/1/2");
  Give(2, "3xJ16 1xJ17");
  EXPECT_TRUE(JokerAnswer(g, 2));
  EXPECT_EQ(Shape(g.Selection), "16:0/0/2/1");
  Give(2, "3xJ16");
  EXPECT_FALSE(JokerAnswer(g, 2)) << "no big joker for the small one";
  Lay(3, MakePlay(0, 0, 0, 2));
  Give(2, "2xJ17");
  EXPECT_TRUE(JokerAnswer(g, 2));
  EXPECT_EQ(Shape(g.Selection), "17:0/0/0/2");
}

}  // namespace
}  // namespace zunda

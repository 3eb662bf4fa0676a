#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "players/answer_choice.h"

namespace zunda {
namespace {

using testing::MakePlay;
using testing::Shape;

using FollowExactTest = testing::AnswerTable;
using FollowFightTest = testing::AnswerTable;

TEST_F(FollowExactTest, AnswersOnlyWithAWholeSetOfTheSizeNeeded) {
  Lay(3, MakePlay(8, 3));
  Give(2, "4x9 2xJ");
  EXPECT_EQ(Answer(FollowExact), "pass") << "the nines are not split, the jacks not completed";
  Give(2, "2x4 3x10 4xJ");
  EXPECT_EQ(Answer(FollowExact), "10:3/0/0/0");
  // The answer carries the seat's own cards.
  for (int i = 1; i <= 3; ++i)
    EXPECT_EQ(g.Selection.BaseCodes[i], g.Hand[2][10].Codes[i]);
  EXPECT_EQ(g.Selection.Seat, 2);
  EXPECT_EQ(g.Selection.Tag, 'N');
}

TEST_F(FollowExactTest, SmallJokersOnTheTableAreMetByBigJokers) {
  Lay(3, MakePlay(5, 2, 0, 1));
  Give(2, "2x9 1xJ17 2x3", true);
  EXPECT_EQ(Answer(FollowExact), "9:2/0/0/1");
  Give(2, "2x9 1xJ16 2x3", true);
  EXPECT_EQ(Answer(FollowExact), "pass");
  Lay(3, MakePlay(5, 2, 0, 0, 1));
  Give(2, "2x9 2x3", true);
  EXPECT_EQ(Answer(FollowExact), "pass") << "a big joker on the table";
}

TEST_F(FollowExactTest, JokersOnlyOneRankAboveTheTable) {
  Lay(3, MakePlay(0, 0, 2));
  Give(2, "2xJ17 1x5", true);
  EXPECT_EQ(Answer(FollowExact), "pass");
  Give(2, "2xJ16 1x5", true);
  EXPECT_EQ(Answer(FollowExact), "16:0/0/2/0");
}

TEST_F(FollowExactTest, AWeakHandNotAheadOfTheOppositeSeatKeepsItsTwos) {
  // The two would empty the hand, so nothing else holds it back.
  Lay(3, MakePlay(9, 1));
  Give(2, "1x2");
  EXPECT_EQ(Answer(FollowExact), "pass");
  g.Seats[2].HandScore = 300;
  EXPECT_EQ(Answer(FollowExact), "15:0/1/0/0");
}

TEST_F(FollowExactTest, AnOpponentOnItsLastSetSeesOnlyASetItCannotTop) {
  Lay(1, MakePlay(5, 3));
  Give(3, "3x9");
  Give(2, "3x7 3x10");
  EXPECT_EQ(Answer(FollowExact), "10:3/0/0/0");
  // With the table's seat out, the lowest set goes.
  Out(1);
  EXPECT_EQ(Answer(FollowExact), "7:3/0/0/0");
}

TEST_F(FollowExactTest, APartnerOnItsLastSetIsFedASetBelowIt) {
  Out(3);
  Give(4, "3xQ");
  Give(2, "3x4 3x9");
  Lay(1, MakePlay(3, 3));
  EXPECT_EQ(Answer(FollowExact), "4:3/0/0/0") << "the fours, which the queens then beat";
  // The set found for the partner does not beat sixes: the seat passes rather than lay it.
  Lay(1, MakePlay(6, 3));
  EXPECT_EQ(Answer(FollowExact), "pass");
}

TEST_F(FollowExactTest, TheHumansChoiceIsKeptForTheHuman) {
  Lay(3, MakePlay(8, 3));
  Give(1, "3x10 2x4");
  g.Ai.KeepHumanChoice = true;
  EXPECT_EQ(Answer(FollowExact, 1), "pass");
  EXPECT_EQ(Answer(FollowFight, 1), "pass");
  g.Ai.KeepHumanChoice = false;
  EXPECT_EQ(Answer(FollowExact, 1), "10:3/0/0/0");
}

TEST_F(FollowFightTest, ASingleCardIsFoughtWithWildcardsByAStrongHandOnly) {
  Lay(3, MakePlay(14, 1));
  Give(2, "2x5 3x2", true);
  EXPECT_EQ(Answer(FollowFight), "15:0/1/0/0");
  g.Seats[2].StrongHand = false;
  EXPECT_EQ(Answer(FollowFight), "pass");

  Lay(3, MakePlay(0, 0, 1));
  Give(2, "2x5 2xJ16", true);
  EXPECT_EQ(Answer(FollowFight), "16:0/0/1/0");
  Lay(3, MakePlay(0, 0, 0, 1));
  Give(2, "2x5 2xJ17", true);
  EXPECT_EQ(Answer(FollowFight), "17:0/0/0/1");
}

TEST_F(FollowFightTest, ASingleCardWithoutASuitableWildcardIsNotSplitFor) {
  Lay(3, MakePlay(9, 1));
  Give(2, "3xJ 2xJ16", true);
  EXPECT_EQ(Answer(FollowFight), "pass");
  // The partner's single card skips the wildcards and is split for.
  Lay(4, MakePlay(9, 1));
  EXPECT_EQ(Answer(FollowFight), "11:1/0/0/0");
}

TEST_F(FollowFightTest, ShortSetsOfTwoOrThreeAreCompletedWithAJokerOrATwo) {
  Lay(3, MakePlay(6, 3));
  Give(2, "2x9 1xJ16 2x3 2x4", true);
  EXPECT_EQ(Answer(FollowFight), "9:2/0/1/0");
  Give(2, "2x9 1xJ17 2x3 2x4", true);
  EXPECT_EQ(Answer(FollowFight), "9:2/0/0/1") << "no small joker: a big one";
  Give(2, "2x9 1x2", true);
  EXPECT_EQ(Answer(FollowFight), "9:2/1/0/0") << "the whole hand: a two first";
  // Kings and aces take a two, nothing else.
  Give(2, "2xK 1xJ16 2x4", true);
  EXPECT_EQ(Answer(FollowFight), "pass");
  Give(2, "2xK 1x2 2x4", true);
  EXPECT_EQ(Answer(FollowFight), "13:2/1/0/0");
  // Small jokers on the table: a two and the big jokers.
  Lay(3, MakePlay(7, 2, 0, 1));
  Give(2, "1x9 1x2 2xJ17 3x4", true);
  EXPECT_EQ(Answer(FollowFight), "9:1/1/0/1");
}

TEST_F(FollowFightTest, LongerSetsSpendJokersOnLowRanksAndTwosOnHighOnes) {
  Lay(3, MakePlay(5, 4));
  Give(2, "3x8 1xJ16 2x3", true);
  EXPECT_EQ(Answer(FollowFight), "8:3/0/1/0");
  Give(2, "3xQ 1x2 2x3", true);
  EXPECT_EQ(Answer(FollowFight), "12:3/1/0/0");
  Lay(3, MakePlay(5, 3, 0, 1));
  Give(2, "2x8 1x2 1xJ16 1xJ17 2x3", true);
  EXPECT_EQ(Answer(FollowFight), "8:2/1/0/1") << "small jokers on four cards: a two";

  Lay(3, MakePlay(4, 5));
  Give(2, "4x7 1xJ17 2x3", true);
  EXPECT_EQ(Answer(FollowFight), "pass") << "five cards and more: no big joker on a low rank";
  Give(2, "4x7 1xJ16 2x3", true);
  EXPECT_EQ(Answer(FollowFight), "7:4/0/1/0");
  Give(2, "4x10 1x2 2x3", true);
  EXPECT_EQ(Answer(FollowFight), "10:4/1/0/0");
}

TEST_F(FollowFightTest, AcesAndAboveAreAnsweredByTheNextRankUpOnly) {
  Lay(3, MakePlay(14, 2));
  Give(2, "3x2 2x5", true);
  EXPECT_EQ(Answer(FollowFight), "15:0/2/0/0");
  Lay(3, MakePlay(0, 0, 2));
  Give(2, "3xJ16 1x5", true);
  EXPECT_EQ(Answer(FollowFight), "16:0/0/2/0");
  Give(2, "3xJ17 1x5 1x7", true);
  EXPECT_EQ(Answer(FollowFight), "pass") << "big jokers are two ranks above twos";
  // Small jokers: as many big jokers (here they empty the hand).
  Lay(3, MakePlay(0, 0, 0, 2));
  Give(2, "2xJ17", true);
  EXPECT_EQ(Answer(FollowFight), "17:0/0/0/2");
}

TEST_F(FollowFightTest, SplitsPreferARankWithTwoSpareCards) {
  Lay(3, MakePlay(6, 3));
  Give(2, "4x8 5x9", true);
  EXPECT_EQ(Answer(FollowFight), "9:3/0/0/0");
  // The codes are the last of the bucket: the cards the executor takes out.
  for (int i = 1; i <= 3; ++i)
    EXPECT_EQ(g.Selection.BaseCodes[i], g.Hand[2][9].Codes[i + 2]);
  Give(2, "4x8 4x9", true);
  EXPECT_EQ(Answer(FollowFight), "8:3/0/0/0");
  g.Seats[2].StrongHand = false;
  EXPECT_TRUE(SplitSearch(g, 2).Empty());
}

TEST_F(FollowFightTest, SplitSearchOfferedWildcardsAreTakenOnlyAgainstHighTables) {
  Give(2, "4x2 2x4 2x6", true);
  Lay(3, MakePlay(11, 2));
  const AnswerCandidate twos = SplitSearch(g, 2);
  EXPECT_EQ(twos.Rank, 15);
  EXPECT_EQ(twos.Twos, 2);
  EXPECT_EQ(Answer(FollowFight), "pass") << "twos split only against kings or higher";

  // Against a two with a small joker the search goes on into the jokers: one small joker
  // split from three, with the big joker the small one asks for.
  Lay(3, MakePlay(0, 0, 1, 1));
  Give(2, "3xJ16 1xJ17 2x4 2x6", true);
  const AnswerCandidate joker = SplitSearch(g, 2);
  EXPECT_EQ(joker.Rank, 16);
  EXPECT_EQ(joker.Small, 1);
  EXPECT_EQ(joker.Big, 1);
}

TEST_F(FollowFightTest, OnItsLastSetAStrongHandThrowsItsTopCards) {
  Lay(3, MakePlay(6, 5));
  Give(2, "1xJ17 1x2 3x9", true);
  EXPECT_EQ(Answer(FollowFight), "9:3/1/0/1");
  // The top cards would not beat the table: twos over twos, or too few cards above it.
  Lay(3, MakePlay(0, 0, 2));
  Give(2, "1xJ17 2x2 1x5", true);
  EXPECT_EQ(Answer(FollowFight), "pass");
  Lay(3, MakePlay(9, 4));
  Give(2, "1xJ16 4x5", true);
  EXPECT_EQ(Answer(FollowFight), "pass");
}

}  // namespace
}  // namespace zunda

// The computer seats' answers: the followers (exact set, fight, finish), the joker answer,
// the hold-back rules and the entry point that picks among them.
#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "players/answer_choice.h"

namespace zunda {
namespace {

using testing::MakePlay;
using testing::Shape;

using Chooser = void (*)(Game&, int);

// "rank:base/twos/small/big" of a candidate, as Shape gives it of a play.
std::string Of(const AnswerCandidate& c) {
  if (c.Empty()) return "none";
  return std::to_string(c.Rank) + ":" + std::to_string(c.Base) + "/" + std::to_string(c.Twos) +
         "/" + std::to_string(c.Small) + "/" + std::to_string(c.Big);
}

struct AnswerTest : testing::AnswerTable {
  // Seat 2, holding `hand`, answers the table with `chooser`.
  void Expect(Chooser chooser, const char* hand, bool strong, const char* want) {
    Give(2, hand, strong);
    EXPECT_EQ(Answer(chooser), want) << hand;
  }
  // The joker answer of seat 2 holding `hand`; "pass" when none is built.
  void Joker(const char* hand, const char* want) {
    Give(2, hand);
    EXPECT_EQ(JokerAnswer(g, 2), std::string(want) != "pass") << hand;
    EXPECT_EQ(Shape(g.Selection), want) << hand;
  }
  // The same, after `tableSeat` has laid `play`.
  void Expect(int tableSeat, const PlayRecord& play, Chooser chooser, const char* hand, bool strong,
              const char* want) {
    Lay(tableSeat, play);
    Expect(chooser, hand, strong, want);
  }
  void Joker(int tableSeat, const PlayRecord& play, const char* hand, const char* want) {
    Lay(tableSeat, play);
    Joker(hand, want);
  }
  std::string AnswerTo(int tableSeat, const PlayRecord& play, Chooser chooser) {
    Lay(tableSeat, play);
    return Answer(chooser);
  }
  bool Hold(int rank, int seat = 2) { return HoldBack(g, seat, rank, g.TablePlay); }
  bool HoldWith(const char* hand, bool strong, int rank) {
    Give(2, hand, strong);
    return Hold(rank);
  }
  bool HoldOn(int tableSeat, const PlayRecord& play, int rank) {
    Lay(tableSeat, play);
    return Hold(rank);
  }
};

TEST_F(AnswerTest, ChooseAnswerLeavesAPartnersOrAFinishedPlayersBigPlayAlone) {
  Expect(4, MakePlay(12, 3), ChooseAnswer, "3xK 1xJ17", true, "pass");
  Lay(3, MakePlay(7, 6));
  Out(3);
  Expect(ChooseAnswer, "6x9", true, "pass");
  EXPECT_EQ(AnswerTo(1, MakePlay(0, 0, 0, 0, 1), ChooseAnswer), "pass") << "a big joker";
}

TEST_F(AnswerTest, ChooseAnswerStopsAnOpponentAboutToGoOutWithWildcards) {
  Lay(3, MakePlay(5, 3));
  Give(3, "3x8");
  Expect(ChooseAnswer, "2x9 1x2 2x3 2x4", false, "9:2/1/0/0");
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

TEST_F(AnswerTest, ChooseAnswerRunsOutOnTheLastSetOrInFinishMode) {
  Expect(3, MakePlay(5, 3), ChooseAnswer, "2x9 1xJ16", false, "9:2/0/1/0");
  g.Seats[2].FinishMode = true;
  Out(5);
  Expect(ChooseAnswer, "2x9 1xJ16 2x4", false, "9:2/0/1/0");
  // With four seats in play finish mode alone does not change the follower.
  Out(6);
  EXPECT_EQ(Answer(ChooseAnswer), "pass");
}

TEST_F(AnswerTest, ChooseAnswerLetsAStrongHandFightWhenTheTableIsWorthIt) {
  Expect(3, MakePlay(6, 3), ChooseAnswer, "2x9 1xJ16 2x3 2x4", true, "9:2/0/1/0");
  Out(5);
  Out(6);
  EXPECT_EQ(Answer(ChooseAnswer), "pass") << "four seats: only the exact set";
  g.Flow.FoldInForce = true;
  EXPECT_EQ(Answer(ChooseAnswer), "9:2/0/1/0") << "declining would fold";
  g.Flow.FoldInForce = false;

  Expect(3, MakePlay(9, 5), ChooseAnswer, "4xJ 1x2 2x4", true, "pass");
  EXPECT_EQ(AnswerTo(3, MakePlay(10, 5), ChooseAnswer), "11:4/1/0/0") << "a Zunda play";
  Out(1);
  EXPECT_EQ(AnswerTo(3, MakePlay(9, 5), ChooseAnswer), "11:4/1/0/0") << "three seats in play";
}

TEST_F(AnswerTest, JokerAnswerTakesTheExactSetElseTheLargestHighestSet) {
  Joker(3, MakePlay(5, 3), "3x9 2xK 1x2", "9:3/0/0/0");
  Joker(3, MakePlay(5, 4), "2x7 2x10 1x2 1xJ16", "10:2/1/1/0");
  // A larger set is cut to size, with the bucket's last cards.
  Joker(3, MakePlay(5, 2), "3x9", "9:2/0/0/0");
  EXPECT_EQ(g.Selection.BaseCodes[1], g.Hand[2][9].Codes[2]);
  EXPECT_EQ(g.Selection.BaseCodes[2], g.Hand[2][9].Codes[3]);

  // Nothing above the table: wildcards alone, the twos from the end of the bucket.
  Joker(3, MakePlay(13, 3), "2x2 1xJ16 3x4", "15:0/2/1/0");
  EXPECT_EQ(g.Selection.TwoCodes[1], g.Hand[2][15].Codes[2]);
  EXPECT_EQ(g.Selection.TwoCodes[2], g.Hand[2][15].Codes[1]);
  Joker("3xJ16 3x4", "16:0/0/3/0");
  Joker("1x2 1xJ16 2xJ17 3x4", "pass");  // big jokers do not make up a set
}

TEST_F(AnswerTest, JokerAnswerMeetsJokersOnTheTableWithBigJokers) {
  Joker(3, MakePlay(5, 2, 0, 1), "1x9 1x2 2x4", "pass");
  Joker("1x9 1x2 1xJ17 2x4", "9:1/1/0/1");
  Lay(3, MakePlay(5, 2, 0, 0, 1));
  EXPECT_FALSE(JokerAnswer(g, 2)) << "a big joker on the table";

  Joker(3, MakePlay(0, 0, 2, 1), "1xJ16 2xJ17", "16:0/0/1/2");
  Joker("3xJ16 1xJ17", "16:0/0/2/1");
  Joker("3xJ16", "pass");  // no big joker for the small one
  Joker(3, MakePlay(0, 0, 0, 2), "2xJ17", "17:0/0/0/2");
}

TEST_F(AnswerTest, FollowToFinishKeepsOrImprovesTheFightersAnswer) {
  // A Zunda play, the whole hand, or a single card: nothing better is looked for.
  Expect(3, MakePlay(11, 4), FollowToFinish, "4xQ 2x9 1xJ16", true, "12:4/0/0/0");
  Expect(3, MakePlay(5, 3), FollowToFinish, "3x8", false, "8:3/0/0/0");
  // A set completed with one wildcard, unless the jokers left would be too few.
  Expect(FollowToFinish, "3x8 2x9 1xJ16", false, "9:2/0/1/0");
  Expect(FollowToFinish, "3x8 2x9 1xJ16 1x3 1x4", false, "8:3/0/0/0");
  // A two makes the completed set a Zunda play when jokers are scarce.
  Expect(3, MakePlay(11, 3), FollowToFinish, "2xQ 1x2 1xJ16 2x3 2x4", false, "12:2/1/0/0");
  Expect(FollowToFinish, "2xQ 1x2 1xJ16 2x3", false, "12:2/0/1/0");
  Expect(FollowToFinish, "2xQ 1xJ16 2x3 2x4", false, "pass");
  // Two or three wildcards, twos first.
  Expect(3, MakePlay(6, 4), FollowToFinish, "2x8 2x2 2x3", false, "8:2/2/0/0");
  Expect(FollowToFinish, "2x8 1x2 1xJ16 2x3", false, "8:2/1/1/0");
  Expect(FollowToFinish, "1x8 1x2 1xJ16 1xJ17 2x3", false, "8:1/1/1/1");
  // Small jokers on the table: the big jokers come on top.
  Expect(3, MakePlay(6, 3, 0, 1), FollowToFinish, "1x8 2x2 1xJ17 2x3", false, "8:1/2/0/1");
  // A single card is met with the lowest wildcard.
  Expect(3, MakePlay(13, 1), FollowToFinish, "1xJ16 1xJ17 2x3", false, "16:0/0/1/0");
  EXPECT_EQ(AnswerTo(3, MakePlay(0, 0, 0, 1), FollowToFinish), "17:0/0/0/1");
}

TEST_F(AnswerTest, FollowToFinishPlaysWildcardsAloneOnlyFewAndLate) {
  Expect(3, MakePlay(7, 3), FollowToFinish, "3x2 1x3 1x4 1x5 1x6", false,
         "pass");  // four sets left
  Expect(FollowToFinish, "3x2 1x3 1x4", false, "15:0/3/0/0");
  Expect(3, MakePlay(13, 3), FollowToFinish, "3x2 1x3 1x4 1x5 1x6", false,
         "15:0/3/0/0");  // over kings also with many sets
  Expect(3, MakePlay(7, 4), FollowToFinish, "4x2 1x3 1x4", false, "pass");  // four twos
  // A single joker against a single ace: only with few sets left.
  Expect(3, MakePlay(14, 1), FollowToFinish, "2xJ16 2x5 2x6 2x7 2x8", true, "pass");
  Expect(FollowToFinish, "2xJ16 2x5 2x6", true, "16:0/0/1/0");
  // A partner's big play stands unless it is the last set.
  Expect(4, MakePlay(12, 3), FollowToFinish, "2xK 1xJ16 2x3", false, "pass");
  Expect(FollowToFinish, "2xK 1xJ16", false, "13:2/0/1/0");
}

TEST_F(AnswerTest, WildAnswerTakesTheFirstRankWithEnoughWildcards) {
  Give(2, "3xA 3x2 2xJ16 1xJ17");
  Lay(3, MakePlay(9, 3));
  EXPECT_EQ(Of(WildAnswer(g, 2)), "15:0/3/0/0") << "a plain table skips the aces";
  Lay(3, MakePlay(12, 3));
  EXPECT_EQ(Of(WildAnswer(g, 2)), "none") << "a Zunda table stops at the aces";
  Give(2, "3x2 2xJ16 1xJ17");
  Lay(3, MakePlay(9, 2, 0, 1));
  EXPECT_EQ(Of(WildAnswer(g, 2)), "15:0/2/0/1") << "two cards besides the big joker";
  Lay(3, MakePlay(0, 0, 2, 1));
  EXPECT_EQ(Of(WildAnswer(g, 2)), "16:0/0/2/1");
}

TEST_F(AnswerTest, FollowExactAnswersOnlyWithAWholeSetOfTheSizeNeeded) {
  Expect(3, MakePlay(8, 3), FollowExact, "4x9 2xJ", false,
         "pass");  // nines not split, jacks not completed
  Expect(FollowExact, "2x4 3x10 4xJ", false, "10:3/0/0/0");
  // The answer carries the seat's own cards.
  for (int i = 1; i <= 3; ++i)
    EXPECT_EQ(g.Selection.BaseCodes[i], g.Hand[2][10].Codes[i]);
  EXPECT_EQ(g.Selection.Seat, 2);
  EXPECT_EQ(g.Selection.Tag, 'N');

  // Small jokers on the table are met by big jokers; a big joker is not answered.
  Expect(3, MakePlay(5, 2, 0, 1), FollowExact, "2x9 1xJ17 2x3", true, "9:2/0/0/1");
  Expect(FollowExact, "2x9 1xJ16 2x3", true, "pass");
  Expect(3, MakePlay(5, 2, 0, 0, 1), FollowExact, "2x9 2x3", true, "pass");
  // Jokers only one rank above the table.
  Expect(3, MakePlay(0, 0, 2), FollowExact, "2xJ17 1x5", true, "pass");
  Expect(FollowExact, "2xJ16 1x5", true, "16:0/0/2/0");
}

TEST_F(AnswerTest, FollowExactWeighsTheSeatsNearTheEnd) {
  // A weak hand not ahead of the opposite seat keeps its twos, even its last one.
  Expect(3, MakePlay(9, 1), FollowExact, "1x2", false, "pass");
  g.Seats[2].HandScore = 300;
  EXPECT_EQ(Answer(FollowExact), "15:0/1/0/0");

  // An opponent on its last set sees only a set it cannot top.
  SetUp();
  Lay(1, MakePlay(5, 3));
  Give(3, "3x9");
  Expect(FollowExact, "3x7 3x10", false, "10:3/0/0/0");
  Out(1);  // with the table's seat out, the lowest set goes
  EXPECT_EQ(Answer(FollowExact), "7:3/0/0/0");

  // A partner on its last set is fed a set below it, if that set beats the table.
  SetUp();
  Out(3);
  Give(4, "3xQ");
  Expect(1, MakePlay(3, 3), FollowExact, "3x4 3x9", false, "4:3/0/0/0");
  EXPECT_EQ(AnswerTo(1, MakePlay(6, 3), FollowExact), "pass");
}

TEST_F(AnswerTest, TheHumansChoiceIsKeptForTheHuman) {
  Lay(3, MakePlay(8, 3));
  Give(1, "3x10 2x4");
  g.Ai.KeepHumanChoice = true;
  EXPECT_EQ(Answer(FollowExact, 1), "pass");
  EXPECT_EQ(Answer(FollowFight, 1), "pass");
  g.Ai.KeepHumanChoice = false;
  EXPECT_EQ(Answer(FollowExact, 1), "10:3/0/0/0");
}

TEST_F(AnswerTest, FollowFightMeetsASingleCardWithWildcardsFromAStrongHandOnly) {
  Expect(3, MakePlay(14, 1), FollowFight, "2x5 3x2", true, "15:0/1/0/0");
  Expect(FollowFight, "2x5 3x2", false, "pass");
  Expect(3, MakePlay(0, 0, 1), FollowFight, "2x5 2xJ16", true, "16:0/0/1/0");
  Expect(3, MakePlay(0, 0, 0, 1), FollowFight, "2x5 2xJ17", true, "17:0/0/0/1");
  // Without a suitable wildcard the set is not split, except for the partner's single card.
  Expect(3, MakePlay(9, 1), FollowFight, "3xJ 2xJ16", true, "pass");
  EXPECT_EQ(AnswerTo(4, MakePlay(9, 1), FollowFight), "11:1/0/0/0");
}

TEST_F(AnswerTest, FollowFightCompletesShortSetsWithAJokerOrATwo) {
  Expect(3, MakePlay(6, 3), FollowFight, "2x9 1xJ16 2x3 2x4", true, "9:2/0/1/0");
  Expect(FollowFight, "2x9 1xJ17 2x3 2x4", true, "9:2/0/0/1");
  Expect(FollowFight, "2x9 1x2", true, "9:2/1/0/0");  // the whole hand: a two first
  // Kings and aces take a two, nothing else.
  Expect(FollowFight, "2xK 1xJ16 2x4", true, "pass");
  Expect(FollowFight, "2xK 1x2 2x4", true, "13:2/1/0/0");
  // Small jokers on the table: a two and the big jokers.
  Expect(3, MakePlay(7, 2, 0, 1), FollowFight, "1x9 1x2 2xJ17 3x4", true, "9:1/1/0/1");

  // Longer sets spend jokers on low ranks and twos on high ones.
  Expect(3, MakePlay(5, 4), FollowFight, "3x8 1xJ16 2x3", true, "8:3/0/1/0");
  Expect(FollowFight, "3xQ 1x2 2x3", true, "12:3/1/0/0");
  Expect(3, MakePlay(5, 3, 0, 1), FollowFight, "2x8 1x2 1xJ16 1xJ17 2x3", true, "8:2/1/0/1");
  Expect(3, MakePlay(4, 5), FollowFight, "4x7 1xJ17 2x3", true,
         "pass");  // no big joker on a low rank
  Expect(FollowFight, "4x7 1xJ16 2x3", true, "7:4/0/1/0");
  Expect(FollowFight, "4x9 1xJ16 2x3", true, "9:4/0/1/0");  // nines are the last to take one
  Expect(FollowFight, "4x10 1x2 2x3", true, "10:4/1/0/0");
}

TEST_F(AnswerTest, FollowFightAnswersAcesAndAboveWithTheNextRankUpOnly) {
  Expect(3, MakePlay(14, 2), FollowFight, "3x2 2x5", true, "15:0/2/0/0");
  Expect(3, MakePlay(0, 0, 2), FollowFight, "3xJ16 1x5", true, "16:0/0/2/0");
  Expect(FollowFight, "3xJ17 1x5 1x7", true, "pass");  // two ranks above twos
  Expect(3, MakePlay(0, 0, 0, 2), FollowFight, "2xJ17", true, "17:0/0/0/2");

  // On its last set a strong hand throws its top cards, if they beat the table.
  Expect(3, MakePlay(6, 5), FollowFight, "1xJ17 1x2 3x9", true, "9:3/1/0/1");
  Expect(3, MakePlay(0, 0, 2), FollowFight, "1xJ17 2x2 1x5", true, "pass");
  Expect(3, MakePlay(9, 4), FollowFight, "1xJ16 4x5", true, "pass");
}

TEST_F(AnswerTest, SplitSearchPrefersARankWithTwoSpareCards) {
  Expect(3, MakePlay(6, 3), FollowFight, "4x8 5x9", true, "9:3/0/0/0");
  // The codes are the last of the bucket: the cards the executor takes out.
  for (int i = 1; i <= 3; ++i)
    EXPECT_EQ(g.Selection.BaseCodes[i], g.Hand[2][9].Codes[i + 2]);
  Expect(FollowFight, "4x8 4x9", true, "8:3/0/0/0");
  g.Seats[2].StrongHand = false;
  EXPECT_EQ(Of(SplitSearch(g, 2)), "none");

  // Wildcards the search offers are taken only against high tables.
  Give(2, "4x2 2x4 2x6", true);
  Lay(3, MakePlay(11, 2));
  EXPECT_EQ(Of(SplitSearch(g, 2)), "15:0/2/0/0");
  EXPECT_EQ(Answer(FollowFight), "pass") << "twos split only against kings or higher";
  // Against a two with a small joker: one small joker split from three, with a big joker.
  Lay(3, MakePlay(0, 0, 1, 1));
  Give(2, "3xJ16 1xJ17 2x4 2x6", true);
  EXPECT_EQ(Of(SplitSearch(g, 2)), "16:0/0/1/1");
}

TEST_F(AnswerTest, HoldBackKeepsJokersAndTwosForStrongHandsAndHighTables) {
  // Jokers on a long set only from a strong hand with few sets and no small joker on the table.
  Lay(3, MakePlay(7, 2));
  EXPECT_FALSE(HoldWith("2x5 2x9 2xJ17", true, 17));
  EXPECT_FALSE(Hold(16));
  g.Seats[2].StrongHand = false;
  EXPECT_TRUE(Hold(17));
  EXPECT_TRUE(HoldWith("2x5 2x9 2x10 2xJ17", true, 17)) << "three sets left";
  Give(2, "2x5 2x9 2xJ17", true);
  EXPECT_TRUE(HoldOn(3, MakePlay(7, 1, 0, 1), 17));

  // Twos on a long set only against aces or higher; on four aces many twos or few sets.
  Give(2, "3x2 2x5 2x9 2x10", true);
  EXPECT_FALSE(HoldOn(3, MakePlay(14, 2), 15));
  EXPECT_TRUE(HoldOn(3, MakePlay(13, 2), 15));
  EXPECT_TRUE(HoldOn(3, MakePlay(14, 4), 15));
  EXPECT_FALSE(HoldWith("5x2 2x5 2x9 2x10", true, 15)) << "more than four twos";
  EXPECT_FALSE(HoldWith("3x2 2x5 2x9", true, 15)) << "two sets left";
  g.Seats[2].StrongHand = false;
  EXPECT_TRUE(Hold(15));
}

TEST_F(AnswerTest, HoldBackThresholdsForHighRanksMoveDownTheRanks) {
  // Aces: a strong hand with two sets answers a pair of nines, with three sets it does not.
  Give(2, "2x5 2xA", true);
  EXPECT_FALSE(HoldOn(3, MakePlay(9, 2), 14));
  EXPECT_TRUE(HoldWith("2x5 2x7 2xA", true, 14));
  EXPECT_FALSE(HoldOn(3, MakePlay(11, 2), 14)) << "jacks are above ten";
  // Kings: a weak hand answers a short set above nine, never a partner's set of ten or more.
  Give(2, "2x5 2x7 2xK");
  EXPECT_FALSE(HoldOn(3, MakePlay(10, 2), 13));
  EXPECT_TRUE(HoldOn(3, MakePlay(9, 2), 13));
  EXPECT_TRUE(HoldOn(3, MakePlay(10, 4), 13)) << "four cards";
  EXPECT_TRUE(HoldOn(4, MakePlay(11, 2), 13)) << "the partner's jacks";
  // Queens: a strong hand with three sets keeps them against sixes, not against sevens.
  Give(2, "2x5 2x9 2xQ", true);
  EXPECT_TRUE(HoldOn(3, MakePlay(6, 2), 12));
  EXPECT_FALSE(HoldOn(3, MakePlay(7, 2), 12));
  // Jacks and below are never kept for their own sake.
  g.Seats[2].StrongHand = false;
  EXPECT_FALSE(HoldOn(3, MakePlay(5, 3), 11));
}

TEST_F(AnswerTest, HoldBackOfASingleCardSpareTwosAndJokersTwoRanksUp) {
  Lay(3, MakePlay(9, 1));
  EXPECT_TRUE(HoldWith("2x2 2x5 2x7", false, 15));
  EXPECT_FALSE(HoldWith("3x2 2x5 2x7", false, 15)) << "three twos";
  EXPECT_FALSE(HoldWith("2x2 2x5 2x7", true, 15)) << "strong hand";
  Give(2, "1xJ16 1xJ17 2x5 2x7", true);
  EXPECT_TRUE(HoldOn(3, MakePlay(14, 1), 16));
  EXPECT_FALSE(HoldOn(3, MakePlay(0, 0, 1), 16)) << "a small joker is one rank up from a two";
  EXPECT_TRUE(Hold(17));
  EXPECT_FALSE(HoldOn(3, MakePlay(0, 0, 0, 1), 17));
}

TEST_F(AnswerTest, HoldBackLeavesPartnersPlaysAndZundaPlaysStanding) {
  Give(2, "3x5 3x10 3xQ 1xJ16", true);
  EXPECT_TRUE(HoldOn(4, MakePlay(9, 5), 10)) << "partner's five nines";
  EXPECT_FALSE(HoldOn(4, MakePlay(8, 5), 10));
  EXPECT_TRUE(HoldOn(4, MakePlay(13, 2), 14)) << "partner's Zunda play";
  // An opponent's Zunda play is only fought by a strong hand.
  EXPECT_FALSE(HoldOn(3, MakePlay(0, 0, 1), 16));
  g.Seats[2].StrongHand = false;
  EXPECT_TRUE(Hold(16));

  // With few seats left the partner's fair set is left standing.
  SetUp();
  Out(1);
  Out(3);
  Give(2, "3x5 3x10", true);
  EXPECT_TRUE(HoldOn(4, MakePlay(8, 2), 10));
  EXPECT_FALSE(HoldOn(4, MakePlay(7, 2), 10));
  EXPECT_TRUE(HoldOn(4, MakePlay(5, 5), 10)) << "five cards";
}

TEST_F(AnswerTest, HoldBackLetsThePartnerKeepARoundEveryOpponentGaveUp) {
  Give(2, "3x5 3x10", true);
  Lay(4, MakePlay(5, 2));
  g.Seats[1].Passed = g.Seats[3].Passed = true;
  EXPECT_FALSE(Hold(10)) << "seat 5 may still answer";
  EXPECT_FALSE(PartnerPassed(g, 2));
  Out(5);
  EXPECT_TRUE(Hold(10));
  EXPECT_TRUE(PartnerPassed(g, 2));
  Lay(3, MakePlay(5, 2));
  EXPECT_FALSE(PartnerPassed(g, 2)) << "an opponent's play";
  Lay(4, MakePlay(5, 2));
  testing::SetHand(g, 4, "");
  EXPECT_FALSE(Hold(10)) << "the table's seat has no cards left to lead";
}

TEST_F(AnswerTest, HoldBackGivesWayToTheLastOpponentOrGoingOut) {
  Give(2, "2x5 2x9 2xJ17");
  Lay(3, MakePlay(7, 2));
  ASSERT_TRUE(Hold(17));
  Out(1);
  Out(5);
  EXPECT_FALSE(Hold(17)) << "seat 3 is the last opponent";
  SetUp();
  Give(2, "2xJ17");
  EXPECT_FALSE(HoldOn(4, MakePlay(13, 2), 17))
      << "the jokers empty the hand, even over a partner's Zunda play";
}

TEST_F(AnswerTest, LeaveTablePlayLetsTheSeatBehindAFinishedPlayerTakeOver) {
  Lay(3, MakePlay(7, 6));
  Out(3);
  EXPECT_TRUE(LeaveTablePlay(g, 2, g.TablePlay)) << "seat 4, behind seat 3, is a partner";
  EXPECT_TRUE(Hold(10));
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

}  // namespace
}  // namespace zunda

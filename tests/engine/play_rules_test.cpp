#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_fixture.h"
#include "rules/answer_rule.h"
#include "rules/play_rules.h"

namespace zunda {
namespace {

using testing::GiveHand;
using testing::MakePlay;
using testing::Raise;

struct ZundaCase {
  const char* name;
  PlayRecord play;
  bool zunda;
};

TEST(ZundaPlay, RecognisesTheRanksAndSizesThatOpenBurning) {
  const std::vector<ZundaCase> cases = {
      {"empty record", PlayRecord(), false},
      {"four tens", MakePlay(10, 4), false},
      {"five tens", MakePlay(10, 5), true},
      {"three tens with two twos", MakePlay(10, 3, 2), true},
      {"three jacks", MakePlay(11, 3), false},
      {"four jacks", MakePlay(11, 4), true},
      {"two queens", MakePlay(12, 2), false},
      {"three queens", MakePlay(12, 3), true},
      {"two kings", MakePlay(13, 2), true},
      {"one ace", MakePlay(14, 1), false},
      {"two aces", MakePlay(14, 2), true},
      {"one two", MakePlay(0, 0, 1), true},
      {"one small joker", MakePlay(0, 0, 0, 1), true},
      {"three 4s with a small joker", MakePlay(4, 3, 0, 1), true},
      {"a 3 with a big joker", MakePlay(3, 1, 0, 0, 1), true},
      {"sixteen 9s", MakePlay(9, 16), false},
  };
  for (const ZundaCase& c : cases)
    EXPECT_EQ(IsZundaPlay(c.play), c.zunda) << c.name;
}

struct BeatCase {
  const char* name;
  PlayRecord table;
  std::vector<std::string> hand;
  bool cannotBeat;
};

TEST(CannotBeat, FindsWhetherTheHandHoldsAnyAnswer) {
  const std::vector<BeatCase> cases = {
      {"one 3 against one 5", MakePlay(5, 1), {"C03"}, true},
      {"one 3 against an empty table", PlayRecord(), {"C03"}, false},
      {"one 6 against one 5", MakePlay(5, 1), {"C06"}, false},
      {"a 5 does not beat a 5", MakePlay(5, 1), {"D05"}, true},
      {"two 8s and a two beat three 5s", MakePlay(5, 3), {"C08", "D08", "S15"}, false},
      {"three twos beat three 5s", MakePlay(5, 3), {"C15", "D15", "S15"}, false},
      {"two 8s miss three 5s", MakePlay(5, 3), {"C08", "D08", "C04"}, true},
      {"no big joker for an attached small joker",
       MakePlay(5, 2, 0, 1),
       {"C09", "D09", "H09", "J16"},
       true},
      {"big joker escorts two 9s", MakePlay(5, 2, 0, 1), {"C09", "D09", "J17"}, false},
      {"twos are not enough against twos", MakePlay(0, 0, 2), {"C15", "D15", "H15"}, true},
      {"one joker short against two twos", MakePlay(0, 0, 2), {"J17", "C15"}, true},
      {"two jokers against two twos", MakePlay(0, 0, 2), {"J16", "J17"}, false},
      {"small joker against small joker", MakePlay(0, 0, 0, 1), {"J16"}, true},
      {"big joker against small joker", MakePlay(0, 0, 0, 1), {"J17"}, false},
      {"nothing beats a big joker", MakePlay(0, 0, 0, 0, 1), {"J17", "J17", "J16"}, true},
      {"nor a set carrying one", MakePlay(10, 3, 0, 0, 1), {"C12", "D12", "H12", "S12"}, true},
  };
  for (const BeatCase& c : cases) {
    testing::TestGame t;
    Game& g = t.game;
    g.TablePlay = c.table;
    GiveHand(g, 2, c.hand);
    EXPECT_EQ(CannotBeat(g, 2), c.cannotBeat) << c.name;
  }
}

struct AnswerCase {
  const char* name;
  PlayRecord table;
  std::vector<std::string> raised;
  bool answers;
};

// The human holds exactly the raised cards and one lowered 3 at the end of the row.
bool RaisedAnswers(const PlayRecord& table, std::vector<std::string> raised, int leadSeat = 0) {
  testing::TestGame t;
  Game& g = t.game;
  g.TablePlay = table;
  g.LeadSeat = leadSeat;
  const int n = static_cast<int>(raised.size());
  raised.push_back("C03");
  GiveHand(g, g.HumanSeat, raised);
  for (int slot = 1; slot <= n; ++slot)
    Raise(g, {slot});
  return IsAnswer(g);
}

TEST(AnswerRule, MatchesCountAndTheJokersTheTableDemands) {
  const std::vector<AnswerCase> cases = {
      {"three 8s on three 5s", MakePlay(5, 3), {"C08", "D08", "H08"}, true},
      {"two 8s and a two on three 5s", MakePlay(5, 3), {"S15", "C08", "D08"}, true},
      {"three twos on three 5s", MakePlay(5, 3), {"C15", "D15", "S15"}, true},
      {"two 8s on three 5s", MakePlay(5, 3), {"C08", "D08"}, false},
      {"four 8s on three 5s", MakePlay(5, 3), {"C08", "D08", "H08", "S08"}, false},
      {"three 9s on two 5s with a small joker", MakePlay(5, 2, 0, 1), {"C09", "D09", "H09"}, false},
      {"two 9s and a big joker on two 5s with a small joker",
       MakePlay(5, 2, 0, 1),
       {"J17", "C09", "D09"},
       true},
      {"two 9s and a small joker on two 5s with a small joker",
       MakePlay(5, 2, 0, 1),
       {"J16", "C09", "D09"},
       false},
      {"big and small joker on two twos", MakePlay(0, 0, 2), {"J17", "J16"}, true},
      {"two small jokers on two twos", MakePlay(0, 0, 2), {"J16", "J16"}, true},
      {"small joker and a two on two twos", MakePlay(0, 0, 2), {"J16", "C15"}, false},
      {"big and two small on twos with a small joker",
       MakePlay(0, 0, 2, 1),
       {"J17", "J16", "J16"},
       true},
      {"three small on twos with a small joker",
       MakePlay(0, 0, 2, 1),
       {"J16", "J16", "J16"},
       false},
      {"big joker on a small joker", MakePlay(0, 0, 0, 1), {"J17"}, true},
      {"small joker on a small joker", MakePlay(0, 0, 0, 1), {"J16"}, false},
      {"big joker on a big joker", MakePlay(0, 0, 0, 0, 1), {"J17"}, false},
      {"a 3 on an empty table when not leading", PlayRecord(), {"D03"}, false},
      {"three 8s under three 9s", MakePlay(9, 3), {"C08", "D08", "H08"}, false},
      {"three 9s with a big joker on three 5s with one",
       MakePlay(5, 3, 0, 0, 1),
       {"J17", "C09", "D09", "H09"},
       false},
  };
  for (const AnswerCase& c : cases)
    EXPECT_EQ(RaisedAnswers(c.table, c.raised), c.answers) << c.name;
}

TEST(AnswerRule, TheLeaderMayLayAnyNonEmptySelection) {
  EXPECT_TRUE(RaisedAnswers(PlayRecord(), {"D03"}, 1));
  EXPECT_TRUE(RaisedAnswers(PlayRecord(), {"J16", "C15", "D07"}, 1));
  EXPECT_FALSE(RaisedAnswers(PlayRecord(), {}, 1));
  EXPECT_FALSE(RaisedAnswers(PlayRecord(), {"D03"}, 2));
}

TEST(AnswerRule, ABurnerMustPlayAJokerOrEmptyTheHand) {
  testing::TestGame t;
  Game& g = t.game;
  g.TablePlay = MakePlay(5, 3);
  g.Seats[1].Burned = true;
  g.Burn.BurnBeaten = false;

  GiveHand(g, 1, {"C08", "D08", "H08", "C04"});
  Raise(g, {1, 2, 3});
  EXPECT_FALSE(IsAnswer(g)) << "no joker, cards left";
  g.Burn.BurnBeaten = true;
  EXPECT_TRUE(IsAnswer(g)) << "the burn was beaten";
  g.Burn.BurnBeaten = false;

  GiveHand(g, 1, {"J16", "C08", "D08", "C04"});
  Raise(g, {1, 2, 3});
  EXPECT_TRUE(IsAnswer(g)) << "a small joker is enough";

  GiveHand(g, 1, {"C08", "D08", "H08"});
  Raise(g, {1, 2, 3});
  EXPECT_TRUE(IsAnswer(g)) << "the last cards need no joker";
}

TEST(AnswerRule, OnlyTheHumanSeatHasSelectedCards) {
  testing::TestGame t;
  Game& g = t.game;
  GiveHand(g, 1, {"J17", "J16", "J16", "C15", "C09"});
  Raise(g, {1, 2, 3, 5});
  EXPECT_EQ(SelectedCount(g, 1), 4);
  EXPECT_EQ(SelectedBigJokers(g, 1), 1);
  EXPECT_EQ(SelectedSmallJokers(g, 1), 2);
  EXPECT_EQ(SelectedCount(g, 2), 0);
  EXPECT_EQ(SelectedBigJokers(g, 4), 0);
}

}  // namespace
}  // namespace zunda

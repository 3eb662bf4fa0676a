// A play from the choice of its cards to the table: which plays open burning, which answers
// beat the table, what laying one does to the hand, the seats and the table display.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/display.h"
#include "core/fatal.h"
#include "core/fixed_text.h"
#include "core/hand_record.h"
#include "core/table_display.h"
#include "engine_fixture.h"
#include "players/execute_play.h"
#include "rules/answer_rule.h"
#include "rules/play_rules.h"
#include "rules/tribute.h"

namespace zunda {
namespace {

using testing::GiveHand;
using testing::MakePlay;
using testing::Raise;

TEST(ZundaPlay, RecognisesTheRanksAndSizesThatOpenBurning) {
  const std::vector<std::tuple<const char*, PlayRecord, bool>> cases = {
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
  for (const auto& [name, play, zunda] : cases)
    EXPECT_EQ(IsZundaPlay(play), zunda) << name;
}

struct BeatCase {
  const char* name;
  PlayRecord table;
  std::vector<std::string> cards;
  bool yes;
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
      {"no big joker for a small joker", MakePlay(5, 2, 0, 1), {"C09", "D09", "J16"}, true},
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
    t.game.TablePlay = c.table;
    GiveHand(t.game, 2, c.cards);
    EXPECT_EQ(CannotBeat(t.game, 2), c.yes) << c.name;
  }
}

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
  const PlayRecord fives = MakePlay(5, 3);
  const PlayRecord fivesSmall = MakePlay(5, 2, 0, 1);
  const PlayRecord twos = MakePlay(0, 0, 2);
  const PlayRecord twosSmall = MakePlay(0, 0, 2, 1);
  const std::vector<BeatCase> cases = {
      {"three 8s on three 5s", fives, {"C08", "D08", "H08"}, true},
      {"two 8s and a two on three 5s", fives, {"S15", "C08", "D08"}, true},
      {"three twos on three 5s", fives, {"C15", "D15", "S15"}, true},
      {"two 8s on three 5s", fives, {"C08", "D08"}, false},
      {"four 8s on three 5s", fives, {"C08", "D08", "H08", "S08"}, false},
      {"three 9s on 5s with a small joker", fivesSmall, {"C09", "D09", "H09"}, false},
      {"9s and a big joker on 5s with a small one", fivesSmall, {"J17", "C09", "D09"}, true},
      {"9s and a small joker on 5s with one", fivesSmall, {"J16", "C09", "D09"}, false},
      {"big and small joker on two twos", twos, {"J17", "J16"}, true},
      {"two small jokers on two twos", twos, {"J16", "J16"}, true},
      {"small joker and a two on two twos", twos, {"J16", "C15"}, false},
      {"big and two small on twos with a small joker", twosSmall, {"J17", "J16", "J16"}, true},
      {"three small on twos with a small joker", twosSmall, {"J16", "J16", "J16"}, false},
      {"big joker on a small joker", MakePlay(0, 0, 0, 1), {"J17"}, true},
      {"small joker on a small joker", MakePlay(0, 0, 0, 1), {"J16"}, false},
      {"big joker on a big joker", MakePlay(0, 0, 0, 0, 1), {"J17"}, false},
      {"a 3 on an empty table when not leading", PlayRecord(), {"D03"}, false},
      {"three 8s under three 9s", MakePlay(9, 3), {"C08", "D08", "H08"}, false},
      {"9s with a big joker on 5s with one",
       MakePlay(5, 3, 0, 0, 1),
       {"J17", "C09", "D09", "H09"},
       false},
  };
  for (const BeatCase& c : cases)
    EXPECT_EQ(RaisedAnswers(c.table, c.cards), c.yes) << c.name;
  // The leader may lay any selection that is not empty.
  EXPECT_TRUE(RaisedAnswers(PlayRecord(), {"D03"}, 1));
  EXPECT_TRUE(RaisedAnswers(PlayRecord(), {"J16", "C15", "D07"}, 1));
  EXPECT_FALSE(RaisedAnswers(PlayRecord(), {}, 1));
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

  GiveHand(g, 1, {"J17", "J16", "J16", "C15", "C09"});
  Raise(g, {1, 2, 3, 5});
  EXPECT_EQ(SelectedCount(g, 1), 4);
  EXPECT_EQ(SelectedBigJokers(g, 1), 1);
  EXPECT_EQ(SelectedSmallJokers(g, 1), 2);
  EXPECT_EQ(SelectedCount(g, 2), 0) << "only the human seat has selected cards";
}

TEST(PlayEventText, NamesCountRankAndAttachedJokers) {
  const std::vector<std::pair<PlayRecord, std::string>> cases = {
      {MakePlay(13, 3), "3张  K"},
      {MakePlay(9, 3, 0, 0, 1), "4张  9(1大虎)"},
      {MakePlay(10, 2, 1, 1, 2), "6张 10(2大虎1小虎)"},
      {MakePlay(0, 0, 2, 1), "3张  钱(1小虎)"},
      {MakePlay(0, 0, 0, 2), "2张 小虎"},
      {MakePlay(0, 0, 0, 1, 1), "2张 小虎(1大虎)"},
      {MakePlay(0, 0, 0, 0, 3), "3张 大虎"},
  };
  for (const auto& [play, text] : cases)
    EXPECT_EQ(PlayEventText(play).View(), text);

  // The largest counts a damaged record could hold still fit; a text that would not is a fault.
  PlayRecord huge = MakePlay(9, 1, 0, 1, 1);
  huge.Total = std::numeric_limits<int>::min();
  huge.BigJokers = huge.SmallJokers = std::numeric_limits<int>::max();
  EXPECT_EQ(PlayEventText(huge).View(), "-2147483648张  9(2147483647大虎2147483647小虎)");
  FixedText<3> text;
  text.Append("张");
  EXPECT_THROW(text.Append("."), FatalError);
  EXPECT_THROW(text.AppendNumber(10), FatalError);
  EXPECT_EQ(text.View(), "张");
}

TEST(RecordedPlay, KeepsTheCountOfEachRankAndOtherActionsHoldNone) {
  const RecordedAction play = PlayAction(2, MakePlay(10, 2, 1, 1, 2));
  EXPECT_EQ(RecordedCardsOfRank(play, 10), 2);
  EXPECT_EQ(RecordedCardsOfRank(play, kBigJoker), 2);
  EXPECT_EQ(RecordedCardsOfRank(play, 9), 0);
  EXPECT_EQ(RecordedCardsOfRank(SimpleAction(RecordedKind::Pass, 2), 10), 0);
}

using ExecutePlayTest = testing::GameTest;

TEST_F(ExecutePlayTest, TakesTheCardsOutAndUpdatesTheSeatsCounters) {
  GiveHand(g, 2, {"C09", "D09", "H09", "S15", "D15", "J16", "J17", "J17", "C04", "C05"});
  g.TablePlay = MakePlay(9, 2, 1, 0, 1);
  g.TablePlay.BaseCodes[1] = CardCode("H09");
  g.TablePlay.BaseCodes[2] = CardCode("D09");
  g.TablePlay.Total = 0;  // a chooser may leave it stale
  ExecutePlay(g, 2);

  EXPECT_EQ(std::tuple(g.TablePlay.Total, g.TablePlay.Seat, g.TablePlay.Tag),
            std::tuple(4, 2, 'N'));
  EXPECT_EQ(g.Hand[2][9].Codes[1].Str(), "C09");
  EXPECT_TRUE(g.Hand[2][9].Codes[2].IsBlank());
  EXPECT_EQ(std::tuple(g.Hand[2][9].Count, g.Hand[2][kTwo].Count, g.Hand[2][kBigJoker].Count),
            std::tuple(1, 1, 1));
  const SeatRecord& seat = g.Seats[2];
  EXPECT_EQ(std::tuple(seat.CardCount, seat.SetCount, seat.JokerCount), std::tuple(6, 3, 2));
  EXPECT_TRUE(seat.BurnRight && g.BigJokerOnTable);
  EXPECT_EQ(std::tuple(g.PlayedByRank[9], g.PlayedByRank[kBigJoker]), std::tuple(2, 1));
  EXPECT_EQ(std::tuple(g.Table.LastShownSeat, g.Flow.LastPlayedSeat), std::tuple(2, 2));
}

TEST_F(ExecutePlayTest, AnnouncesThePlayOnEventListPromptAndTableTips) {
  testing::SetHand(g, 2, "12x3 3xK");
  g.TablePlay = MakePlay(13, 3);
  g.Flow.FirstWaitPending = true;
  g.Flow.LongDelay = true;
  ExecutePlay(g, 2);
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Bersa: 3张  K");
  EXPECT_EQ(g.Win.LblPrompt.Caption, "Bersa:3张  K");
  EXPECT_EQ(std::tuple(g.Win.ImgTableRowTip[2], g.Win.ImgTableRowTip[3]), std::tuple("3张  K", ""));
  EXPECT_EQ(g.Win.Frame1[2].ToolTipText, "3张  K");
  EXPECT_FALSE(g.Flow.FirstWaitPending || g.Flow.LongDelay);

  // The prompt is written over its own storage, even from pieces of itself.
  const std::string& prompt = g.Win.LblPrompt.Caption;
  ShowPlayPrompt(g, std::string_view(prompt).substr(0, 5), std::string_view(prompt).substr(6));
  EXPECT_EQ(prompt, "Bersa:3张  K");
  EXPECT_TRUE(g.Win.LblPrompt.Visible && g.Win.TmrPrompt.Enabled);
}

TEST(ExecutePlay, AnnouncesTheCardsLeftOnlyFromTenDown) {
  for (int left : {11, 10, 1, 0}) {
    testing::TestGame t;
    Game& g = t.game;
    testing::SetHand(g, 2, "2x8" + (left > 0 ? " " + std::to_string(left) + "x3" : ""));
    g.TablePlay = MakePlay(8, 2);
    ExecutePlay(g, 2);
    const bool told = left >= 1 && left <= 10;
    const std::string n = std::to_string(left);
    EXPECT_EQ(g.Win.LblName[2].Caption, told ? "Bersa : " + n : "Bersa") << left;
    EXPECT_EQ(g.Win.LblName[2].ToolTipText, told ? "手中还有" + n + "张牌" : "不够报牌") << left;
    EXPECT_EQ(g.Win.LstDispEvent.Items.back(),
              told ? "Bersa: 手中还有" + n + "张牌" : std::string("Bersa: 2张  8"))
        << left;
  }
}

// Six seats in play, each with a hand; seat `player` lays the play.
struct SeatingTest : testing::GameTest {
  SeatingTest() {
    for (int seat = 1; seat <= kSeats; ++seat)
      testing::SetHand(g, seat, "12x3 4xQ 1xJ17");
  }
  void Lay(int seat, const PlayRecord& play) {
    g.PrevTablePlay = g.TablePlay;
    g.TablePlay = play;
    ExecutePlay(g, seat);
  }
};

TEST_F(SeatingTest, AZundaPlayReopensTheOppositeSeatOnly) {
  g.Seats[5].Passed = g.Seats[5].Folded = g.Seats[3].Passed = true;
  g.Win.LblName[5].BackColor = kColorPassed;
  Lay(2, MakePlay(12, 3));
  EXPECT_FALSE(g.Seats[5].Passed || g.Seats[5].Folded);
  EXPECT_EQ(g.Win.LblName[5].BackColor, kColorNormal);
  EXPECT_TRUE(g.Seats[3].Passed) << "with six seats in play nobody else is reopened";
  g.Seats[4].Passed = true;
  Lay(1, MakePlay(3, 2));
  EXPECT_TRUE(g.Seats[4].Passed) << "an ordinary play reopens nobody";
}

TEST_F(SeatingTest, AZundaPlayOverAZundaPlayPassesOverTheSeatsBetween) {
  Lay(2, MakePlay(12, 3));
  Lay(1, MakePlay(3, 2, 0, 0, 1));
  for (int seat : {3, 5, 6}) {
    const Label& l = g.Win.LblName[seat];
    EXPECT_TRUE(g.Seats[seat].Passed && l.BackColor == kColorPassed && l.Opaque &&
                l.BorderStyle == 1)
        << seat;
  }
  EXPECT_FALSE(g.Seats[4].Passed || g.Seats[2].Passed) << "the seat opposite may still answer";

  // No seat lies between neighbours.
  for (int seat = 1; seat <= kSeats; ++seat)
    g.Seats[seat].Passed = false;
  g.TablePlay = PlayRecord();
  Lay(6, MakePlay(12, 3));
  Lay(1, MakePlay(3, 2, 0, 0, 1));
  for (int seat = 2; seat <= kSeats; ++seat)
    EXPECT_FALSE(g.Seats[seat].Passed) << seat;
}

TEST_F(SeatingTest, SeatsOutOfTheHandAreSkippedAndNeverMarked) {
  g.Seats[3].Finished = true;
  g.Seats[5].Scorched = true;
  Lay(2, MakePlay(12, 3));
  Lay(1, MakePlay(3, 2, 0, 0, 1));
  EXPECT_NE(g.Win.LblName[3].BackColor, kColorPassed);
  // Four seats in play: the play reopened every one of them.
  for (int seat : {2, 3, 4, 5, 6})
    EXPECT_FALSE(g.Seats[seat].Passed) << seat;

  g.Seats[5].Scorched = false;
  g.Seats[6].Finished = true;
  for (int seat = 1; seat <= kSeats; ++seat)
    g.Seats[seat].Passed = g.Seats[seat].Folded = true;
  Lay(1, MakePlay(3, 2));
  for (int seat : {1, 2, 4, 5}) {
    EXPECT_FALSE(g.Seats[seat].Passed || g.Seats[seat].Folded) << seat;
    EXPECT_EQ(g.Win.LblName[seat].BackColor, kColorNormal) << seat;
  }
  EXPECT_TRUE(g.Seats[3].Passed) << "a seat out of the hand is left alone";
}

std::string RowTags(const Game& g, int seat, int count) {
  std::string tags;
  for (int k = 1; k <= count; ++k)
    tags += g.Win.ImgTable[20 * (seat - 1) + k].Tag + " ";
  return tags;
}

using ShowPlayTest = testing::GameTest;

TEST_F(ShowPlayTest, LaysJokersThenTwosThenOrdinaryCardsInTheSeatsRow) {
  const PlayRecord play = MakePlay(9, 3, 1, 1);
  g.Win.LblName[3].BackColor = kColorPassed;
  g.Win.LblName[3].BorderStyle = 1;
  g.Win.LblName[3].Opaque = true;
  ShowPlay(g, 3, play);
  EXPECT_EQ(RowTags(g, 3, 5), "J16 C15 C09 D09 H09 ");
  for (int index = 40; index <= 46; ++index) {
    const bool shown = index >= 41 && index <= 45;
    EXPECT_EQ(g.Table.TableSlotUsed[index], shown) << index;
    EXPECT_EQ(g.Win.ImgTable[index].Visible, shown) << index;
    EXPECT_TRUE(!shown || g.Win.ImgTable[index].Top == kTableShownTop) << index;
  }
  EXPECT_EQ(std::tuple(g.Table.LastShownSeat, g.Table.LastShownCount), std::tuple(3, 5));
  EXPECT_EQ(g.Table.ShownPlay[2], play);
  EXPECT_EQ(std::tuple(g.PlayedByRank[9], g.PlayedByRank[kTwo], g.PlayedByRank[kSmallJoker],
                       g.PlayedByRank[kBigJoker]),
            std::tuple(3, 1, 1, 0));
  // A shaded label gets its plain look back.
  const Label& l = g.Win.LblName[3];
  EXPECT_TRUE(l.BackColor == kColorNormal && l.BorderStyle == 0 && !l.Opaque);

  // Big jokers go first; the rest of the row keeps what it showed.
  ShowPlay(g, 1, MakePlay(7, 6));
  ShowPlay(g, 1, MakePlay(0, 0, 0, 0, 4));
  EXPECT_EQ(RowTags(g, 1, 6), "J17 J17 J17 J17 C07 D07 ");
  EXPECT_EQ(std::tuple(g.Table.LastShownCount, g.PlayedByRank[kBigJoker], g.PlayedByRank[7]),
            std::tuple(4, 4, 6));
}

TEST_F(ShowPlayTest, ASetLargerThanTheRowStaysInItsOwnRowAndIsFullyCounted) {
  ShowPlay(g, 6, MakePlay(8, 16, 6));
  EXPECT_TRUE(g.Table.TableSlotUsed[120]);
  EXPECT_EQ(std::tuple(g.Table.LastShownCount, g.PlayedByRank[8], g.PlayedByRank[kTwo]),
            std::tuple(20, 16, 6));
  ShowPlay(g, 1, MakePlay(8, 16, 6));
  EXPECT_FALSE(g.Table.TableSlotUsed[21]) << "seat 2's row is untouched";
}

TEST_F(ShowPlayTest, TheStatusBarCountsHighCardsFromBigJokerDownToTen) {
  g.Win.LblStatusBar[0].Caption = "ready";
  ShowPlay(g, 2, MakePlay(0, 0, 0, 0, 2));
  ShowPlay(g, 3, MakePlay(14, 3));
  const std::string expected = " 已经发出的牌: 大虎:2 小虎:0 钱:0 A:3 K:0 Q:0 J:0 10:0 ";
  EXPECT_EQ(g.Table.PlayedStatusText, expected);
  EXPECT_EQ(g.Win.LblStatusBar[0].Caption, expected);
  g.Win.LblStatusBar[0].Caption = "";
  ShowPlay(g, 4, MakePlay(10, 5));
  EXPECT_EQ(g.Table.PlayedStatusText, " 已经发出的牌: 大虎:2 小虎:0 钱:0 A:3 K:0 Q:0 J:0 10:5 ");
  EXPECT_EQ(g.Win.LblStatusBar[0].Caption, "") << "an empty status bar stays empty";

  // A new hand counts from nothing again: its first play, of low cards, shows the zeros.
  g.PlayedByRank.Fill(0);
  ShowPlay(g, 5, MakePlay(4, 2));
  EXPECT_EQ(g.Table.PlayedStatusText, " 已经发出的牌: 大虎:0 小虎:0 钱:0 A:0 K:0 Q:0 J:0 10:0 ");
}

// Every image of the row hidden and unused, and the row with the not-played tip.
bool RowIsClear(const Game& g, int seat) {
  if (g.Win.ImgTableRowTip[seat] != kNotPlayedTip) return false;
  for (int index = kTableImagesPerSeat * (seat - 1) + 1; index <= kTableImagesPerSeat * seat;
       ++index) {
    if (g.Win.ImgTable[index].Visible || g.Table.TableSlotUsed[index]) return false;
  }
  return true;
}

TEST_F(ShowPlayTest, AHiddenRowIsClearAgainWhateverShowedInItSince) {
  for (int seat = 1; seat <= kSeats; ++seat)
    HideTableRow(g, seat);
  ASSERT_TRUE(RowIsClear(g, 2) && RowIsClear(g, 3));

  // A play shown without a tip, as the pair that makes the leader is; hidden once and again.
  ShowPlay(g, 2, MakePlay(13, 3));
  HideTableRow(g, 2);
  EXPECT_TRUE(RowIsClear(g, 2));
  HideTableRow(g, 2);
  EXPECT_TRUE(RowIsClear(g, 2));

  // A tip alone, and the not-played tip over a row that still shows a play, as a seat that
  // leaves the hand gets it.
  SetTableRowTip(g, 2, "头科");
  HideTableRow(g, 2);
  EXPECT_TRUE(RowIsClear(g, 2));
  ShowPlay(g, 2, MakePlay(9, 2));
  SetTableRowTip(g, 2, kNotPlayedTip);
  HideTableRow(g, 2);
  EXPECT_TRUE(RowIsClear(g, 2));

  // The tribute a seat pays is shown in its row.
  SeatRecord& payer = g.Seats[3];
  payer.TributeCount = 2;
  payer.TributeSlots[1] = Card{CardCode("S14"), 14};
  payer.TributeSlots[2] = Card{CardCode("J17"), kBigJoker};
  ShowTributeCards(g, 3);
  ASSERT_TRUE(g.Win.ImgTable[41].Visible && g.Table.TableSlotUsed[42]);
  HideTableRow(g, 3);
  EXPECT_TRUE(RowIsClear(g, 3));
}

TEST_F(ShowPlayTest, AShownCardRestsAfterFiveStepsAndStopsOnRequest) {
  ShowPlay(g, 2, MakePlay(5, 2));
  g.Win.ImgTable[1].Top = 900;  // not shown: never moves
  for (int step = 1; step <= 5; ++step)
    EXPECT_EQ(SlideTableCards(g), 2) << step;
  EXPECT_TRUE(g.Win.ImgTable[21].Top == kTableRestTop && g.Win.ImgTable[22].Top == kTableRestTop);
  EXPECT_EQ(SlideTableCards(g), 0);
  EXPECT_EQ(g.Win.ImgTable[1].Top, 900);
  ShowPlay(g, 3, MakePlay(5, 2));
  g.Flow.StopRequested = true;
  EXPECT_EQ(SlideTableCards(g), 0);
  EXPECT_EQ(g.Win.ImgTable[41].Top, kTableShownTop);
}

TEST_F(ShowPlayTest, ResettingClearsRowsButtonsTitlesHandAndPrompt) {
  ShowPlay(g, 3, MakePlay(9, 3));
  ShowPlay(g, 6, MakePlay(11, 4));
  g.Win.LblName[2].Caption = "Bersa-头科";
  g.Win.LblName[4].Visible = false;
  g.Win.Frame1[5].Visible = false;
  const std::vector<Button*> buttons = {&g.Win.CmdPass, &g.Win.CmdShaoHuLe, &g.Win.CmdHG,
                                        &g.Win.CmdSend, &g.Win.CmdNotSP,    &g.Win.CmdReturn};
  for (Button* b : buttons)
    b->Visible = true;
  g.Win.ImgRGB.Visible = true;
  g.Win.ImgHand[7] = Image{{"C09", 30, 999, true}, "tip"};
  ShowPrompt(g, "请选择一手牌或过牌");

  ResetTableDisplay(g);
  for (int index = 1; index <= kTableSlots; ++index)
    EXPECT_FALSE(g.Win.ImgTable[index].Visible || g.Table.TableSlotUsed[index]) << index;
  EXPECT_EQ(std::tuple(g.Win.ImgTable[45].Top, g.Win.ImgTable[45].Left),
            std::tuple(kTableLaidTop, 60 + 180 * 4));
  for (int seat = 1; seat <= kSeats; ++seat) {
    EXPECT_EQ(g.Win.LblName[seat].Caption, g.Seats[seat].Name) << seat;
    EXPECT_TRUE(g.Win.LblName[seat].Visible && g.Win.Frame1[seat].Visible) << seat;
  }
  for (const Button* b : buttons)
    EXPECT_FALSE(b->Visible);
  EXPECT_FALSE(g.Win.ImgRGB.Visible || g.Win.ImgHand[7].Visible);
  EXPECT_EQ(std::tuple(g.Win.ImgHand[7].Top, g.Win.ImgHand[7].Left),
            std::tuple(kHandLowered, 60 + 180 * 6));
  EXPECT_FALSE(g.Win.LblPrompt.Visible || g.Win.TmrPrompt.Enabled);
}

}  // namespace
}  // namespace zunda

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string_view>
#include <tuple>

#include "core/cards.h"
#include "core/hand_record.h"
#include "core/rounding.h"
#include "core/save_messages.h"
#include "core/scripted_host.h"
#include "core/seats.h"
#include "core/text.h"
#include "engine_fixture.h"

namespace zunda {
namespace {

using namespace std::string_view_literals;

TEST(SeatArithmetic, WrapsRoundTheTableOfSix) {
  // Of each seat: the next, the previous, the opposite, two on, and its team.
  const std::tuple<int, int, int, int, char> around[] = {{2, 6, 4, 3, 'S'}, {3, 1, 5, 4, 'N'},
                                                         {4, 2, 6, 5, 'S'}, {5, 3, 1, 6, 'N'},
                                                         {6, 4, 2, 1, 'S'}, {1, 5, 3, 2, 'N'}};
  for (int seat = 1; seat <= 6; ++seat) {
    EXPECT_EQ(std::tuple(NextSeat(seat), PrevSeat(seat), OppositeSeat(seat), SeatPlusTwo(seat),
                         TeamLetter(seat)),
              around[seat - 1])
        << seat;
    EXPECT_FALSE(SameTeam(seat, OppositeSeat(seat)));
  }
  EXPECT_TRUE(SameTeam(1, 5));
}

TEST(SeatArithmetic, ImpossibleSeatsTakeTheFatalPathWithTheirTexts) {
  try {
    NextSeat(7);
    FAIL();
  } catch (const FatalError& e) {
    EXPECT_STREQ(e.what(), "Err:程序发生致命错误,F座次编号_下家之变量Who＝7，请将此信息告诉编者");
  }
  try {
    TeamLetter(0);
    FAIL();
  } catch (const FatalError& e) {
    EXPECT_STREQ(e.what(), "Err:FNS=0");
  }
  EXPECT_THROW(PrevSeat(0), FatalError);
  EXPECT_THROW(OppositeSeat(-3), FatalError);
}

TEST(SeatArithmetic, NextActiveSeatSkipsSeatsOutAndFailsWhenNoneIsLeft) {
  testing::TestGame t;
  Game& g = t.game;
  g.Seats[2].Finished = true;
  g.Seats[3].Scorched = true;
  EXPECT_EQ(NextActiveSeat(g, 1), 4);
  EXPECT_EQ(ActiveSeats(g), 4);
  for (int seat = 2; seat <= 6; ++seat)
    g.Seats[seat].Finished = true;
  EXPECT_THROW(NextActiveSeat(g, 1), FatalError);
  EXPECT_EQ(g.ErrorCode, 1);
}

TEST(SeatArithmetic, GuardReportsAFatalErrorOnceAndStopsTheEngine) {
  testing::TestGame t;
  Game& g = t.game;
  g.Guard([&] { g.Hand[7][3].Count = 1; });
  ASSERT_EQ(t.host.FatalMessages().size(), 1u);
  EXPECT_EQ(t.host.FatalMessages()[0].rfind("Err:", 0), 0u);
  EXPECT_TRUE(g.Stopped);
  bool ran = false;
  g.Guard([&] { ran = true; });
  EXPECT_FALSE(ran);
}

using HandSummaries = testing::GameTest;

TEST_F(HandSummaries, CountSetsTreatsTwosAndJokersAsOneSet) {
  EXPECT_EQ(CountSets(g, 2), 0);
  g.Hand[2][kTwo].Count = 2;
  g.Hand[2][kBigJoker].Count = 1;
  g.Seats[2].CardCount = CardsInHand(g, 2);
  EXPECT_EQ(std::tuple(g.Seats[2].CardCount, CountSets(g, 2)), std::tuple(3, 1));
  g.Hand[2][5].Count = 1;
  g.Hand[2][kAce].Count = 3;
  EXPECT_EQ(CountSets(g, 2), 2);
}

TEST(Cards, DeckHoldsFourPacksInCodeTableOrder) {
  DeckArray deck;
  BuildDeck(deck);
  EXPECT_EQ(deck[1].Code.Str() + deck[54].Code.Str() + deck[55].Code.Str(), "C03J17C03");
  EXPECT_EQ(deck[216].Rank, 17);
  Arr<int, 3, 17> perRank;
  for (const Card& card : deck) {
    EXPECT_EQ(card.Rank, card.Code.Rank());
    ++perRank[card.Rank];
  }
  for (int rank = 3; rank <= 17; ++rank)
    EXPECT_EQ(perRank[rank], rank <= 15 ? 16 : 4) << rank;
}

TEST(Cards, LabelsAndPictureNumbers) {
  for (const auto& [rank, label] :
       {std::pair{10, "10"}, {3, " 3"}, {15, " 钱"}, {16, "小虎"}, {17, "大虎"}})
    EXPECT_EQ(RankLabel(rank), label);
  for (const auto& [code, index] : {std::pair{"C03", 1},
                                    {"D03", 14},
                                    {"h14", 38},
                                    {"S15", 52},
                                    {"J16", 53},
                                    {"J17", 54},
                                    {"X05", 0}})
    EXPECT_EQ(PictureIndex(code), index) << code;
  EXPECT_THROW(RankLabel(18), FatalError);
  EXPECT_EQ(CodeAt(0).Str() + CodeAt(53).Str(), "C03J17");
  EXPECT_THROW(CodeAt(54), FatalError);
  EXPECT_THROW(CodeAt(-1), FatalError);
}

// A record numbers each card by its place in the code table; anything else is not a card.
TEST(Cards, CodeNumbersAreTablePlacesAndNothingElseNumbers) {
  for (const char suit : std::string_view("CDHSJXc ")) {
    for (int digits = 0; digits <= 19; ++digits) {
      const char text[] = {suit, static_cast<char>('0' + digits / 10),
                           static_cast<char>('0' + digits % 10), '\0'};
      int listed = -1;
      for (int k = 0; k < 54; ++k)
        listed = CodeAt(k).Str() == text ? k : listed;
      EXPECT_EQ(CodeNumber(CardCode(text)), listed) << text;
    }
  }
  EXPECT_EQ(CodeNumber(CardCode("C3 ")), -1);
}

TEST(Text, LenientNumbersAndFixedWidths) {
  for (const auto& [text, value] :
       {std::pair{"  0.02", 0.02}, {"12abc", 12.0}, {"abc", 0.0}, {"", 0.0}, {"-3.5x", -3.5}})
    EXPECT_EQ(Val(text), value) << text;
  EXPECT_EQ(ValInt("99999999999999"), 0);
  EXPECT_EQ(CleanIniValue("  5 \0"sv), "5");
  EXPECT_EQ(ShortestDecimal(0.02) + " " + ShortestDecimal(5) + " " + ShortestDecimal(0.5),
            "0.02 5 0.5");
  EXPECT_EQ(FixedWidth("张三", 4), "张三  ");
  EXPECT_EQ(LeftChars("一二三四", 2), "一二");
  // A percent sign that numbers nothing, and the text after the last value, stay as written.
  EXPECT_EQ(FillIn("100% “%1”，%2。", {"a", "b"}), "100% “a”，b。");
  EXPECT_EQ(FillIn("no values", {}), "no values");
}

// The timer's interval is rounded inline; it must round exactly as the library does, halves
// away from zero included, and hand what it cannot do plainly to the library.
TEST(Rounding, HalvesGoAwayFromZeroAsInTheLibrary) {
  for (const double x : {-0.0, 9.99, 10.49, 5000.4999, 0.49999999999999994, 4503599627370495.5,
                         1e15, -1e15, 3e18, std::numeric_limits<double>::quiet_NaN()})
    EXPECT_EQ(RoundHalfAway(x), std::lround(x)) << x;
  for (int i = -2000; i <= 2000; ++i) {
    for (const double x : {i * 0.5, i * 0.25 + 0.001 * (i % 7)})
      EXPECT_EQ(RoundHalfAway(x), std::lround(x)) << x;
  }
}

// The engine skips a yield when the host says nothing would run; the host must only say so
// when that is true.
TEST(ScriptedHost, IdleExactlyWhenNoHookWouldRun) {
  ScriptedHost host;
  Game g(host);
  EXPECT_TRUE(host.EventsIdle());
  g.DoEvents();

  bool waiting = false;
  int runs = 0;
  int nestedRuns = 0;
  host.OnDoEvents(
      [&] {
        ++runs;
        // A hook that waits itself: the nested yields run nothing.
        EXPECT_TRUE(host.EventsIdle());
        const int before = runs;
        g.DoEvents();
        nestedRuns += runs - before;
      },
      &waiting);
  EXPECT_TRUE(host.EventsIdle());
  g.DoEvents();
  EXPECT_EQ(runs, 0);

  waiting = true;
  EXPECT_FALSE(host.EventsIdle());
  g.DoEvents();
  host.DoEvents();
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(nestedRuns, 0);
  EXPECT_FALSE(host.EventsIdle());  // busy again once the hook has returned

  // A hook without a flag runs at every yield; a stopped game unwinds even when idle.
  host.OnDoEvents([&] { ++runs; });
  waiting = false;
  g.DoEvents();
  EXPECT_EQ(runs, 3);
  host.OnDoEvents(nullptr);
  EXPECT_TRUE(host.EventsIdle());
  g.Stopped = true;
  EXPECT_THROW(g.DoEvents(), GameStopped);
}

}  // namespace
}  // namespace zunda

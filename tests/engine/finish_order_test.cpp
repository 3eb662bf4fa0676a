#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine_fixture.h"

namespace zunda {
namespace {

using namespace testing;

bool EachSeatHasItsOwnPlace(const Game& g) {
  for (int place = 1; place <= kSeats; ++place) {
    const int seat = g.FinishOrder[place];
    if (seat < 1 || seat > kSeats || g.Seats[seat].Place != place) return false;
  }
  return ActiveSeats(g) == 0;  // six places held by six seats: a permutation
}

TEST(GoingOut, SeatsTakePlacesInOrderAndTheLastIsPlacedAutomatically) {
  TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  EXPECT_EQ(GoOut(g, 1), GoingOutResult::HandGoesOn);
  const Label& label = g.Win.LblName[1];
  EXPECT_EQ(label.Caption, "Aldor: 头科");
  EXPECT_TRUE(label.Opaque && label.BackColor == kColorOut && label.BorderStyle == 1);
  EXPECT_EQ(label.ToolTipText, "头科");
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Aldor: 头科");
  EXPECT_EQ(g.Win.ImgTable[20].ToolTipText, "该家没有出牌");
  EXPECT_EQ(g.Win.ImgTable[21].ToolTipText, "");
  EXPECT_TRUE(g.Seats[4].OppositeOut);

  for (int seat : {2, 3, 4})
    EXPECT_EQ(GoOut(g, seat), GoingOutResult::HandGoesOn);
  EXPECT_FALSE(g.Flow.HandOver);
  g.Seats[5].CardCount = 0;
  SeatFinished(g, 5);
  EXPECT_TRUE(g.Flow.HandOver && g.Flow.RoundOver);
  EXPECT_EQ(g.FinishOrder[6], 6);
  EXPECT_EQ(SettleAfterGoingOut(g, 5), GoingOutResult::HandEnded);
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Fanya: 大落");
  EXPECT_TRUE(EachSeatHasItsOwnPlace(g));
  const int counts[] = {2, 1, 0, 0, 1, 2};
  for (int seat = 1; seat <= 6; ++seat)
    EXPECT_EQ(g.Seats[seat].TributeCount, counts[seat - 1]);

  ShowFinishSummary(g);
  const std::vector<std::string> summary = {
      "",
      "本局已经结束,走科的顺序如下:",
      "头科 : Aldor       ",
      "二科 : Bersa       ",
      "三科 : Corvan      ",
      "四科 : Delis       ",
      "二落 : Edrik       ",
      "大落 : Fanya       ",
  };
  EXPECT_EQ(LastEvents(g, 8), summary);
  EXPECT_FALSE(g.FirstHand);
}

TEST(TripleCapture, OpponentsTakeThePlacesOppositeTheWinners) {
  TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  g.Seats[2].Name = "十三个字的名字超过了十二个";
  GoOut(g, 2);
  GoOut(g, 6);
  EXPECT_TRUE(t.host.Messages().empty());
  EXPECT_EQ(GoOut(g, 4), GoingOutResult::TripleCapture);
  EXPECT_EQ(t.host.Messages(), std::vector<std::string>{"已抓三户!"});
  EXPECT_TRUE(g.TripleCapture && g.Flow.HandOver);
  // Opposite 2 (first) is 5, opposite 6 (second) is 3, opposite 4 (third) is 1.
  EXPECT_EQ(g.Seats[5].Place, 6);
  EXPECT_EQ(g.Seats[3].Place, 5);
  EXPECT_EQ(g.Seats[1].Place, 4);
  EXPECT_TRUE(EachSeatHasItsOwnPlace(g));
  for (int seat = 1; seat <= 6; ++seat)
    EXPECT_EQ(g.Seats[seat].TributeCount, 1);
  EXPECT_EQ(g.Win.LblName[3].Caption, "Corvan: 抓三户");
  EXPECT_EQ(g.Win.LblName[3].ToolTipText, "抓三户");

  ShowFinishSummary(g);
  EXPECT_EQ(LastEvents(g, 6), (std::vector<std::string>{
                                  "头科 : 十三个字的名字超过了十二",
                                  "二科 : Fanya       ",
                                  "三科 : Delis       ",
                                  "抓三户 : Aldor       ",
                                  "抓三户 : Corvan      ",
                                  "抓三户 : Edrik       ",
                              }));
}

TEST(TripleCapture, IsNotDeclaredWhenAWinnerWasScorched) {
  TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  Scorch(g, 5);
  GoOut(g, 1);
  EXPECT_EQ(GoOut(g, 3), GoingOutResult::HandGoesOn);
  EXPECT_FALSE(g.TripleCapture);
}

TEST(ScorchedSeats, TakeTheBottomPlacesWhileTheOthersFinishAbove) {
  TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  Scorch(g, 2);
  EXPECT_EQ(g.FinishOrder[6], 2);
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Bersa: 大落");
  for (int seat : {4, 1, 6})
    GoOut(g, seat);
  EXPECT_EQ(GoOut(g, 3), GoingOutResult::HandEnded);
  EXPECT_EQ(g.Seats[5].Place, 5) << "the seat left in play is fifth";
  EXPECT_EQ(g.FinishOrder[6], 2);
  EXPECT_TRUE(EachSeatHasItsOwnPlace(g));

  // A scorching that leaves one seat in play ends the hand with that seat fifth.
  StartPlaying(g);
  g.Burn.ScorchedCounter = 0;
  for (int seat : {1, 2, 3, 4})
    GoOut(g, seat);
  Scorch(g, 5);
  EXPECT_EQ(g.Seats[6].Place, 5);
  EXPECT_TRUE(EachSeatHasItsOwnPlace(g) && g.Flow.HandOver);
}

TEST(ScorchedSeats, ASecondScorchingPlacesTheRestByCardsLeftThenSeatOrder) {
  TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  GoOut(g, 2);
  Scorch(g, 1);
  g.Seats[3].CardCount = 10;
  g.Seats[5].CardCount = 4;
  g.Seats[6].CardCount = 10;
  Scorch(g, 4);
  EXPECT_EQ(g.Seats[4].Place, 5);
  EXPECT_TRUE(g.Flow.HandOver);
  EXPECT_EQ(g.Seats[5].Place, 2);
  EXPECT_EQ(g.Seats[3].Place, 3);
  EXPECT_EQ(g.Seats[6].Place, 4);
  EXPECT_EQ(g.Seats[5].TributeCount, 1);
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Fanya: 四科");
  EXPECT_TRUE(EachSeatHasItsOwnPlace(g));
  EXPECT_EQ(SettleAfterGoingOut(g, 4), GoingOutResult::HandEnded);
}

// However seats go out or are scorched, the hand ends with places 1..6 each held once.
TEST(ScorchedSeats, EveryWayAHandCanEndGivesEachSeatItsOwnPlace) {
  std::mt19937 random(20261206);
  for (int trial = 0; trial < 400; ++trial) {
    TestGame t;
    Game& g = t.game;
    StartPlaying(g);
    while (!g.Flow.HandOver) {
      for (int seat = 1; seat <= kSeats; ++seat) {
        if (InPlay(g, seat)) g.Seats[seat].CardCount = 1 + static_cast<int>(random() % 30);
      }
      const int seat = NextActiveSeat(g, 1 + static_cast<int>(random() % 6));
      if (random() % 5 == 0 && ActiveSeats(g) > 1) {
        Scorch(g, seat);
      } else {
        GoOut(g, seat);
      }
    }
    ASSERT_TRUE(EachSeatHasItsOwnPlace(g)) << "trial " << trial;
  }
}

TEST(LeaveSeal, TheLeadPassesToTheNextSeatStillInPlay) {
  TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  GoOut(g, 4);
  GoOut(g, 3);
  EXPECT_EQ(PassLeaveSeal(g, 3), 5);
  EXPECT_EQ(g.LeadSeat, 5);
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Edrik: 接受“Corvan”的留封");
  GoOut(g, 1);
  GoOut(g, 6);
  EXPECT_EQ(PassLeaveSeal(g, 6), 2);
}

}  // namespace
}  // namespace zunda

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "finish_fixture.h"
#include "flow/finishing.h"
#include "test_game.h"

namespace zunda {
namespace {

using testing::EmptyHand;
using testing::Scorch;
using testing::StartPlaying;

// A seat goes out as the turn cycle sees it: the last card, its place, then the rules after.
GoingOutResult GoOut(Game& g, int seat) {
  EmptyHand(g, seat);
  SeatFinished(g, seat);
  return SettleAfterGoingOut(g, seat);
}

std::vector<int> PlacesOfAllSeats(const Game& g) {
  std::vector<int> places;
  for (int seat = 1; seat <= kSeats; ++seat)
    places.push_back(g.Seats[seat].Place);
  return places;
}

bool IsPermutationOfPlaces(const Game& g) {
  std::vector<int> places = PlacesOfAllSeats(g);
  std::sort(places.begin(), places.end());
  if (places != std::vector<int>{1, 2, 3, 4, 5, 6}) return false;
  for (int place = 1; place <= kSeats; ++place) {
    if (g.Seats[g.FinishOrder[place]].Place != place) return false;
  }
  return true;
}

TEST(FinishingTitles, NameEveryPlaceAndRefuseOthers) {
  const char* const expected[] = {"头科", "二科", "三科", "四科", "二落", "大落"};
  for (int place = 1; place <= 6; ++place)
    EXPECT_EQ(TitleOf(place), expected[place - 1]);
  EXPECT_THROW(TitleOf(0), FatalError);
  EXPECT_THROW(TitleOf(7), FatalError);
  const int counts[] = {2, 1, 0, 0, 1, 2};
  for (int place = 1; place <= 6; ++place)
    EXPECT_EQ(TributeCountForPlace(place), counts[place - 1]);
}

TEST(GoingOut, SeatsTakePlacesInOrderAndTheLastIsPlacedAutomatically) {
  testing::TestGame t;
  Game& g = t.game;
  StartPlaying(g);

  EXPECT_EQ(GoOut(g, 1), GoingOutResult::HandGoesOn);
  const Label& label = g.Win.LblName[1];
  EXPECT_EQ(label.Caption, "Aldor: 头科");
  EXPECT_TRUE(label.Opaque);
  EXPECT_EQ(label.BackColor, kColorOut);
  EXPECT_EQ(label.BorderStyle, 1);
  EXPECT_EQ(label.ToolTipText, "头科");
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Aldor: 头科");
  EXPECT_EQ(g.Win.Frame1[1].ToolTipText, "该家没有出牌");
  EXPECT_EQ(g.Win.ImgTable[1].ToolTipText, "该家没有出牌");
  EXPECT_EQ(g.Win.ImgTable[20].ToolTipText, "该家没有出牌");
  EXPECT_EQ(g.Win.ImgTable[21].ToolTipText, "");
  EXPECT_TRUE(g.Seats[4].OppositeOut) << "the seat opposite the first out";
  EXPECT_TRUE(g.Seats[1].Finished);

  for (int seat : {2, 3, 4})
    EXPECT_EQ(GoOut(g, seat), GoingOutResult::HandGoesOn);
  EXPECT_FALSE(g.Seats[1].OppositeOut) << "a seat already out is not marked";
  EXPECT_FALSE(g.Flow.HandOver);

  // The fifth seat out fixes the last place at once and ends the round and the hand.
  EmptyHand(g, 5);
  SeatFinished(g, 5);
  EXPECT_TRUE(g.Flow.HandOver);
  EXPECT_TRUE(g.Flow.RoundOver);
  EXPECT_EQ(g.Seats[6].Place, 6);
  EXPECT_EQ(g.FinishOrder[6], 6);
  EXPECT_FALSE(g.Seats[6].Finished) << "the turn cycle finishes it";
  EXPECT_EQ(SettleAfterGoingOut(g, 5), GoingOutResult::HandEnded);
  EXPECT_EQ(g.Seats[6].CardCount, 0);
  EXPECT_EQ(g.Seats[6].SetCount, 0);
  EXPECT_EQ(g.Win.LblName[6].Caption, "Fanya: 大落");
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Fanya: 大落");

  EXPECT_TRUE(IsPermutationOfPlaces(g));
  const int counts[] = {2, 1, 0, 0, 1, 2};
  for (int seat = 1; seat <= 6; ++seat)
    EXPECT_EQ(g.Seats[seat].TributeCount, counts[seat - 1]);
}

TEST(GoingOut, TheHumanGoingOutHidesTheScorchedButton) {
  testing::TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  g.Win.CmdShaoHuLe.Visible = true;
  GoOut(g, 2);
  EXPECT_TRUE(g.Win.CmdShaoHuLe.Visible);
  GoOut(g, 1);
  EXPECT_FALSE(g.Win.CmdShaoHuLe.Visible);
}

TEST(TripleCapture, OpponentsTakeThePlacesOppositeTheWinners) {
  testing::TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  EXPECT_EQ(GoOut(g, 3), GoingOutResult::HandGoesOn);
  EXPECT_EQ(GoOut(g, 5), GoingOutResult::HandGoesOn);
  EXPECT_TRUE(t.host.Messages().empty());
  EXPECT_EQ(GoOut(g, 1), GoingOutResult::TripleCapture);

  ASSERT_EQ(t.host.Messages().size(), 1u);
  EXPECT_EQ(t.host.Messages()[0], "已抓三户!");
  EXPECT_TRUE(g.TripleCapture);
  EXPECT_TRUE(g.Flow.HandOver);
  EXPECT_FALSE(g.FirstHand);
  // 3 took place 1, 5 place 2, 1 place 3: their opposite seats 6, 2 and 4 take 6, 5 and 4.
  EXPECT_EQ(g.Seats[6].Place, 6);
  EXPECT_EQ(g.Seats[2].Place, 5);
  EXPECT_EQ(g.Seats[4].Place, 4);
  EXPECT_TRUE(IsPermutationOfPlaces(g));
  for (int seat = 1; seat <= 6; ++seat) {
    EXPECT_EQ(g.Seats[seat].TributeCount, 1) << "seat " << seat;
    EXPECT_TRUE(g.Seats[seat].Finished);
  }
  const Label& loser = g.Win.LblName[2];
  EXPECT_EQ(loser.Caption, "Bersa: 抓三户");
  EXPECT_EQ(loser.ToolTipText, "抓三户");
  EXPECT_EQ(loser.BackColor, kColorOut);
  EXPECT_EQ(g.Win.Frame1[2].ToolTipText, "该家没有出牌");
  const auto& events = g.Win.LstDispEvent.Items;
  EXPECT_NE(std::find(events.begin(), events.end(), "Delis: 抓三户"), events.end());
  EXPECT_EQ(g.Win.LblName[1].Caption, "Aldor: 三科");
}

TEST(TripleCapture, IsNotDeclaredWhenAWinnerWasScorched) {
  testing::TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  Scorch(g, 5);
  SeatFinished(g, 5);
  EXPECT_EQ(GoOut(g, 1), GoingOutResult::HandGoesOn);
  // Three seats in play and both teammates of seat 3 out, but one of them was scorched.
  EXPECT_EQ(GoOut(g, 3), GoingOutResult::HandGoesOn);
  EXPECT_FALSE(g.TripleCapture);
  EXPECT_TRUE(t.host.Messages().empty());
  EXPECT_EQ(g.Seats[3].Place, 2);
}

TEST(ScorchedSeats, TheFirstHoldsLastPlaceWhileTheOthersFinishAboveIt) {
  testing::TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  Scorch(g, 2);
  SeatFinished(g, 2);
  EXPECT_EQ(g.Seats[2].Place, 6);
  EXPECT_EQ(g.FinishOrder[6], 2);
  EXPECT_EQ(g.Seats[2].TributeCount, 2);
  EXPECT_EQ(g.Win.LblName[2].Caption, "Bersa: 大落");
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Bersa: 大落");
  EXPECT_FALSE(g.Flow.HandOver);

  for (int seat : {4, 1, 6})
    EXPECT_EQ(GoOut(g, seat), GoingOutResult::HandGoesOn);
  EXPECT_EQ(g.Seats[6].Place, 3);
  // The fourth seat out leaves one seat in play, which is finished as fifth.
  EXPECT_EQ(GoOut(g, 3), GoingOutResult::HandEnded);
  EXPECT_EQ(g.Seats[3].Place, 4);
  EXPECT_EQ(g.Seats[5].Place, 5);
  EXPECT_EQ(g.FinishOrder[6], 2) << "place 6 stays with the scorched seat";
  EXPECT_TRUE(g.Flow.HandOver);
  EXPECT_TRUE(IsPermutationOfPlaces(g));
}

TEST(ScorchedSeats, AScorchingThatLeavesOneSeatInPlayEndsTheHand) {
  testing::TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  for (int seat : {1, 2, 3, 4})
    GoOut(g, seat);
  Scorch(g, 5);
  SeatFinished(g, 5);
  EXPECT_EQ(g.Seats[5].Place, 6);
  EXPECT_EQ(g.Seats[6].Place, 5);
  EXPECT_TRUE(g.Seats[6].Finished);
  EXPECT_TRUE(g.Flow.HandOver);
  EXPECT_EQ(ActiveSeats(g), 0);
  EXPECT_TRUE(IsPermutationOfPlaces(g));
}

TEST(ScorchedSeats, ASecondScorchingPlacesTheRestByCardsLeft) {
  testing::TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  GoOut(g, 2);
  Scorch(g, 1);
  SeatFinished(g, 1);
  g.Seats[3].CardCount = 10;
  g.Seats[5].CardCount = 4;
  g.Seats[6].CardCount = 10;
  g.Seats[4].CardCount = 2;
  Scorch(g, 4);
  SeatFinished(g, 4);

  EXPECT_EQ(g.Seats[1].Place, 6);
  EXPECT_EQ(g.Seats[4].Place, 5);
  EXPECT_TRUE(g.Flow.HandOver);
  EXPECT_TRUE(g.Flow.RoundOver);
  // Fewest cards first; seats 3 and 6 hold as many and go in seat order.
  EXPECT_EQ(g.Seats[5].Place, 2);
  EXPECT_EQ(g.Seats[3].Place, 3);
  EXPECT_EQ(g.Seats[6].Place, 4);
  EXPECT_TRUE(IsPermutationOfPlaces(g));
  EXPECT_EQ(g.Seats[5].TributeCount, 1);
  EXPECT_EQ(g.Seats[6].TributeCount, 0);
  EXPECT_EQ(g.Win.LblName[5].Caption, "Edrik: 二科");
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Fanya: 四科");
  EXPECT_EQ(ActiveSeats(g), 0);
  EXPECT_EQ(SettleAfterGoingOut(g, 4), GoingOutResult::HandEnded);
  EXPECT_TRUE(t.host.FatalMessages().empty());
}

// Any hand, however its seats go out or are scorched, ends with places 1..6 each held once.
TEST(ScorchedSeats, EveryWayAHandCanEndGivesEachSeatItsOwnPlace) {
  std::mt19937 random(20261206);
  for (int trial = 0; trial < 400; ++trial) {
    testing::TestGame t;
    Game& g = t.game;
    StartPlaying(g);
    while (!g.Flow.HandOver) {
      std::vector<int> inPlay;
      for (int seat = 1; seat <= kSeats; ++seat) {
        if (InPlay(g, seat)) inPlay.push_back(seat);
      }
      ASSERT_FALSE(inPlay.empty());
      const int seat = inPlay[random() % inPlay.size()];
      if (random() % 5 == 0 && inPlay.size() > 1) {
        g.Seats[seat].CardCount = 1 + static_cast<int>(random() % 30);
        Scorch(g, seat);
        SeatFinished(g, seat);
        SettleAfterGoingOut(g, seat);
      } else {
        GoOut(g, seat);
      }
      for (int other = 1; other <= kSeats; ++other) {
        if (InPlay(g, other) && g.Seats[other].CardCount > 0) {
          g.Seats[other].CardCount = 1 + static_cast<int>(random() % 30);
        }
      }
    }
    ASSERT_TRUE(IsPermutationOfPlaces(g)) << "trial " << trial;
    ASSERT_EQ(ActiveSeats(g), 0) << "trial " << trial;
    ASSERT_TRUE(t.host.FatalMessages().empty());
  }
}

}  // namespace
}  // namespace zunda

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "finish_fixture.h"
#include "flow/finishing.h"
#include "test_game.h"

namespace zunda {
namespace {

using testing::EmptyHand;
using testing::StartPlaying;

void GoOut(Game& g, int seat) {
  EmptyHand(g, seat);
  SeatFinished(g, seat);
  SettleAfterGoingOut(g, seat);
}

std::vector<std::string> LastLines(const Game& g, std::size_t n) {
  const auto& items = g.Win.LstDispEvent.Items;
  return {items.end() - static_cast<std::ptrdiff_t>(n), items.end()};
}

TEST(FinishSummary, ListsTheSixPlacesWithBlankFilledNames) {
  testing::TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  g.Win.ImgRGB.Visible = true;
  for (int seat : {4, 1, 6, 2, 3})
    GoOut(g, seat);
  ShowFinishSummary(g);

  EXPECT_FALSE(g.FirstHand);
  EXPECT_FALSE(g.Win.ImgRGB.Visible);
  const std::vector<std::string> expected = {
      "",
      "本局已经结束,走科的顺序如下:",
      "头科 : Delis       ",
      "二科 : Aldor       ",
      "三科 : Fanya       ",
      "四科 : Bersa       ",
      "二落 : Corvan      ",
      "大落 : Edrik       ",
  };
  EXPECT_EQ(LastLines(g, expected.size()), expected);
}

TEST(FinishSummary, NamesTheLosingTeamAfterATripleCapture) {
  testing::TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  g.Seats[2].Name = "长名字的玩家名字超过十二个字";
  for (int seat : {2, 4, 6})
    GoOut(g, seat);
  ASSERT_TRUE(g.TripleCapture);
  ShowFinishSummary(g);
  const std::vector<std::string> expected = {
      "头科 : 长名字的玩家名字超过十二", "二科 : Delis       ",   "三科 : Fanya       ",
      "抓三户 : Corvan      ",           "抓三户 : Aldor       ", "抓三户 : Edrik       ",
  };
  EXPECT_EQ(LastLines(g, expected.size()), expected);
}

TEST(TributeCounts, FollowThePreviousOrderOrAreOneEachAfterACapture) {
  testing::TestGame t;
  Game& g = t.game;
  testing::SetPreviousResult(g, {3, 6, 1, 2, 5, 4});
  SetTributeCounts(g);
  EXPECT_EQ(g.Seats[3].TributeCount, 2);
  EXPECT_EQ(g.Seats[6].TributeCount, 1);
  EXPECT_EQ(g.Seats[1].TributeCount, 0);
  EXPECT_EQ(g.Seats[2].TributeCount, 0);
  EXPECT_EQ(g.Seats[5].TributeCount, 1);
  EXPECT_EQ(g.Seats[4].TributeCount, 2);

  // A triple capture, then the next hand starts and clears the flag before the tribute.
  StartPlaying(g);
  for (int seat : {1, 3, 5})
    GoOut(g, seat);
  ASSERT_TRUE(g.TripleCapture);
  g.PrevFinishOrder = g.FinishOrder;
  g.TripleCapture = false;
  for (int seat = 1; seat <= kSeats; ++seat)
    g.Seats[seat].TributeCount = 0;
  SetTributeCounts(g);
  for (int seat = 1; seat <= kSeats; ++seat)
    EXPECT_EQ(g.Seats[seat].TributeCount, 1);

  // The hand after that one ends normally: the counts follow its order again.
  StartPlaying(g);
  for (int seat : {2, 1, 3, 4, 5})
    GoOut(g, seat);
  g.PrevFinishOrder = g.FinishOrder;
  g.TripleCapture = false;
  SetTributeCounts(g);
  EXPECT_EQ(g.Seats[2].TributeCount, 2);
  EXPECT_EQ(g.Seats[3].TributeCount, 0);
  EXPECT_EQ(g.Seats[6].TributeCount, 2);
}

TEST(LeaveSeal, TheLeadPassesToTheNextSeatStillInPlay) {
  testing::TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  GoOut(g, 4);
  GoOut(g, 3);
  EXPECT_EQ(PassLeaveSeal(g, 3), 5);
  EXPECT_EQ(g.LeadSeat, 5);
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Edrik: 接受“Corvan”的留封");

  GoOut(g, 1);
  GoOut(g, 6);
  EXPECT_EQ(PassLeaveSeal(g, 6), 2) << "seat 6 wraps round to seat 1, which is out";
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Bersa: 接受“Fanya”的留封");
}

}  // namespace
}  // namespace zunda

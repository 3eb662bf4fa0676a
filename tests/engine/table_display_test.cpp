#include <gtest/gtest.h>

#include <string>

#include "core/display.h"
#include "core/table_display.h"
#include "engine_fixture.h"

namespace zunda {
namespace {

using testing::MakePlay;

std::string RowTags(const Game& g, int seat, int count) {
  std::string tags;
  for (int k = 1; k <= count; ++k)
    tags += g.Win.ImgTable[20 * (seat - 1) + k].Tag + " ";
  return tags;
}

using ShowPlayTest = testing::GameTest;

TEST_F(ShowPlayTest, LaysJokersThenTwosThenOrdinaryCardsInTheSeatsRow) {
  const PlayRecord play = MakePlay(9, 3, 1, 1);
  ShowPlay(g, 3, play);

  EXPECT_EQ(RowTags(g, 3, 5), "J16 C15 C09 D09 H09 ");
  for (int index = 41; index <= 45; ++index) {
    EXPECT_TRUE(g.Table.TableSlotUsed[index]) << index;
    EXPECT_TRUE(g.Win.ImgTable[index].Visible) << index;
    EXPECT_EQ(g.Win.ImgTable[index].Top, kTableShownTop) << index;
  }
  EXPECT_FALSE(g.Table.TableSlotUsed[40]);
  EXPECT_FALSE(g.Table.TableSlotUsed[46]);
  EXPECT_FALSE(g.Win.ImgTable[46].Visible);
  EXPECT_EQ(g.Table.LastShownSeat, 3);
  EXPECT_EQ(g.Table.LastShownCount, 5);
  EXPECT_EQ(g.Table.ShownPlay[2], play);
  EXPECT_EQ(g.PlayedByRank[9], 3);
  EXPECT_EQ(g.PlayedByRank[kTwo], 1);
  EXPECT_EQ(g.PlayedByRank[kSmallJoker], 1);
  EXPECT_EQ(g.PlayedByRank[kBigJoker], 0);
}

TEST_F(ShowPlayTest, ShowsBigJokersAndKeepsOtherRowsAndLaterImagesAsTheyWere) {
  ShowPlay(g, 1, MakePlay(7, 6));
  ShowPlay(g, 1, MakePlay(0, 0, 0, 0, 4));
  EXPECT_EQ(RowTags(g, 1, 6), "J17 J17 J17 J17 C07 D07 ");
  EXPECT_EQ(g.Table.LastShownCount, 4);
  EXPECT_EQ(g.PlayedByRank[kBigJoker], 4);
  EXPECT_EQ(g.PlayedByRank[7], 6);
}

TEST_F(ShowPlayTest, ASetLargerThanTheRowStaysInItsOwnRowAndIsFullyCounted) {
  ShowPlay(g, 6, MakePlay(8, 16, 6));
  EXPECT_EQ(g.Table.LastShownCount, 20);
  EXPECT_TRUE(g.Table.TableSlotUsed[120]);
  EXPECT_EQ(g.PlayedByRank[8], 16);
  EXPECT_EQ(g.PlayedByRank[kTwo], 6);

  ShowPlay(g, 1, MakePlay(8, 16, 6));
  EXPECT_FALSE(g.Table.TableSlotUsed[21]) << "seat 2's row is untouched";
}

TEST_F(ShowPlayTest, BringsAShadedLabelBackToItsPlainLook) {
  Label& label = g.Win.LblName[2];
  label.BackColor = kColorPassed;
  label.BorderStyle = 1;
  label.Opaque = true;
  ShowPlay(g, 2, MakePlay(4, 1));
  EXPECT_EQ(label.BackColor, kColorNormal);
  EXPECT_EQ(label.BorderStyle, 0);
  EXPECT_FALSE(label.Opaque);
}

using PlayedStatusTextTest = testing::GameTest;

TEST_F(PlayedStatusTextTest, CountsHighCardsFromBigJokerDownToTen) {
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
}

using CardSlide = testing::GameTest;

TEST_F(CardSlide, AShownCardRestsAfterFiveStepsAndStopsOnRequest) {
  ShowPlay(g, 2, MakePlay(5, 2));
  g.Win.ImgTable[1].Top = 900;  // not shown: never moves
  for (int step = 1; step <= 5; ++step)
    EXPECT_EQ(SlideTableCards(g), 2) << step;
  EXPECT_EQ(g.Win.ImgTable[21].Top, kTableRestTop);
  EXPECT_EQ(g.Win.ImgTable[22].Top, kTableRestTop);
  EXPECT_EQ(SlideTableCards(g), 0);
  EXPECT_EQ(g.Win.ImgTable[1].Top, 900);

  ShowPlay(g, 3, MakePlay(5, 2));
  g.Flow.StopRequested = true;
  EXPECT_EQ(SlideTableCards(g), 0);
  EXPECT_EQ(g.Win.ImgTable[41].Top, kTableShownTop);
}

using ResetTableDisplayTest = testing::GameTest;

TEST_F(ResetTableDisplayTest, ClearsRowsButtonsTitlesHandAndPrompt) {
  ShowPlay(g, 3, MakePlay(9, 3));
  ShowPlay(g, 6, MakePlay(11, 4));
  g.Win.LblName[2].Caption = "Bersa-头科";
  g.Win.LblName[4].Visible = false;
  g.Win.Frame1[5].Visible = false;
  for (Button* b : {&g.Win.CmdPass, &g.Win.CmdShaoHuLe, &g.Win.CmdHG, &g.Win.CmdSend,
                    &g.Win.CmdNotSP, &g.Win.CmdReturn}) {
    b->Visible = true;
  }
  g.Win.ImgRGB.Visible = true;
  g.Win.ImgHand[7] = Image{"C09", 30, 999, true, "tip"};
  ShowPrompt(g, "请选择一手牌或过牌");

  ResetTableDisplay(g);

  for (int index = 1; index <= kTableSlots; ++index) {
    EXPECT_FALSE(g.Win.ImgTable[index].Visible) << index;
    EXPECT_FALSE(g.Table.TableSlotUsed[index]) << index;
  }
  EXPECT_EQ(g.Win.ImgTable[45].Top, kTableLaidTop);
  EXPECT_EQ(g.Win.ImgTable[45].Left, 60 + 180 * 4);
  for (int seat = 1; seat <= kSeats; ++seat) {
    EXPECT_EQ(g.Win.LblName[seat].Caption, g.Seats[seat].Name) << seat;
    EXPECT_TRUE(g.Win.LblName[seat].Visible) << seat;
    EXPECT_TRUE(g.Win.Frame1[seat].Visible) << seat;
  }
  for (const Button* b : {&g.Win.CmdPass, &g.Win.CmdShaoHuLe, &g.Win.CmdHG, &g.Win.CmdSend,
                          &g.Win.CmdNotSP, &g.Win.CmdReturn}) {
    EXPECT_FALSE(b->Visible);
  }
  EXPECT_FALSE(g.Win.ImgRGB.Visible);
  EXPECT_FALSE(g.Win.ImgHand[7].Visible);
  EXPECT_EQ(g.Win.ImgHand[7].Top, kHandLowered);
  EXPECT_EQ(g.Win.ImgHand[7].Left, 60 + 180 * 6);
  EXPECT_FALSE(g.Win.LblPrompt.Visible);
  EXPECT_FALSE(g.Win.TmrPrompt.Enabled);
}

}  // namespace
}  // namespace zunda

#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "rules/hand_display.h"

namespace zunda {
namespace {

using testing::GiveCards;

using HandDisplay = testing::GameTest;

TEST_F(HandDisplay, LaysRankGroupsFromTheHighestWithGapsBeforeTwosAndBelow) {
  GiveCards(g, 1, kBigJoker, 2);
  GiveCards(g, 1, kTwo, 1);
  GiveCards(g, 1, kAce, 3);
  GiveCards(g, 1, 5, 2);
  g.Win.ImgHand[2].Top = kHandRaised;
  g.Win.ImgHand[20].Tag = "C09";  // left over from an earlier hand
  g.Win.ImgHand[20].Visible = true;
  ShowHand(g, 1);

  const std::vector<std::pair<std::string, int>> expected = {
      {"J17", 60},   {"J17", 240},  {"C15", 560},  {"C14", 880},
      {"D14", 1060}, {"H14", 1240}, {"C05", 1560}, {"D05", 1740}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Image& card = g.Win.ImgHand[static_cast<int>(i) + 1];
    EXPECT_EQ(card.Tag, expected[i].first) << "slot " << i + 1;
    EXPECT_EQ(card.Left, expected[i].second) << "slot " << i + 1;
    EXPECT_TRUE(card.Visible);
    EXPECT_EQ(card.Top, kHandLowered);
  }
  EXPECT_EQ(g.Win.ImgHand[4].ToolTipText, "A 3张. 鼠标左键选整套,右键拆牌,双击直接出牌 ");
  EXPECT_EQ(g.Win.ImgHand[3].ToolTipText, "钱 1张. 鼠标左键选整套,右键拆牌,双击直接出牌 ");
  EXPECT_FALSE(g.Win.ImgHand[20].Visible);
  EXPECT_EQ(g.Win.ImgHand[20].Tag, "");
}

TEST_F(HandDisplay, PlayedCardsLeaveHiddenGapsSoTheRestKeepTheirPlaces) {
  GiveCards(g, 1, kAce, 3);
  GiveCards(g, 1, 5, 2);
  ShowHand(g, 1);
  const int fiveLeft = g.Win.ImgHand[4].Left;

  g.Hand[1][kAce].Count = 1;
  g.Hand[1][kAce].Codes[2] = g.Hand[1][kAce].Codes[3] = CardCode();
  ShowHand(g, 1);
  EXPECT_EQ(g.Win.ImgHand[1].Tag, "C14");
  EXPECT_FALSE(g.Win.ImgHand[2].Visible);
  EXPECT_FALSE(g.Win.ImgHand[3].Visible);
  EXPECT_EQ(g.Win.ImgHand[3].Tag, "");
  EXPECT_EQ(g.Win.ImgHand[4].Tag, "C05");
  EXPECT_EQ(g.Win.ImgHand[4].Left, fiveLeft);
  EXPECT_EQ(g.Win.ImgHand[1].ToolTipText, "A 1张. 鼠标左键选整套,右键拆牌,双击直接出牌 ");
}

TEST_F(HandDisplay, AHandOfMoreThan36CardsIsFatal) {
  GiveCards(g, 1, 3, 16);
  GiveCards(g, 1, 4, 16);
  GiveCards(g, 1, 5, 5);
  g.Guard([&] { ShowHand(g, 1); });
  ASSERT_EQ(t.host.FatalMessages().size(), 1u);
  EXPECT_EQ(t.host.FatalMessages()[0], "Err:手中牌数超过36张");
}

TEST_F(HandDisplay, AHandChangedByTributeStillFitsItsSlots) {
  // Dealt 36 cards, then a big joker came in and the single 3 went back: kept gaps would need
  // 37 slots.
  GiveCards(g, 1, 3, 1);
  GiveCards(g, 1, 4, 16);
  GiveCards(g, 1, 5, 16);
  GiveCards(g, 1, 6, 3);
  g.DealtHand[1][kBigJoker].Count = 0;
  g.Hand[1][3].Count = 0;
  g.Hand[1][kBigJoker].Count = 1;
  g.Hand[1][kBigJoker].Codes[1] = CardCode("J17");

  g.Guard([&] { ShowHand(g, 1); });
  EXPECT_TRUE(t.host.FatalMessages().empty());
  EXPECT_EQ(g.Win.ImgHand[1].Tag, "J17");
  int shown = 0;
  for (int slot = 1; slot <= kHandSlots; ++slot)
    shown += g.Win.ImgHand[slot].Visible ? 1 : 0;
  EXPECT_EQ(shown, 36);
}

}  // namespace
}  // namespace zunda

#include "rules/keyboard_play.h"

#include <gtest/gtest.h>

#include "core/game.h"
#include "engine_fixture.h"
#include "rules/hand_display.h"
#include "rules/human_input.h"
#include "rules/human_prompts.h"

namespace zunda {
namespace {

using testing::AwaitHuman;
using testing::GiveCards;
using testing::LayTable;
using testing::RaisedSlots;
using testing::SlotsOfRank;

// The human holds a big joker, four 9s and three 7s; seat 6 has laid a pair of 5s.
class KeyboardPlayTest : public testing::GameTest {
 protected:
  void SetUp() override {
    GiveCards(g, 1, kBigJoker, 1);
    GiveCards(g, 1, 9, 4);
    GiveCards(g, 1, 7, 3);
    ShowHand(g, 1);
    LayTable(g, 6, 5, 2);
    AwaitHuman(g);
  }
  std::vector<int> Shown() {
    std::vector<int> slots;
    for (int slot = 1; slot <= kHandSlots; ++slot)
      if (HandSlotHoldsCard(g, slot)) slots.push_back(slot);
    return slots;
  }
};

TEST_F(KeyboardPlayTest, TheFocusWalksOverTheCardsShownAndStopsAtTheEnds) {
  const std::vector<int> shown = Shown();
  ASSERT_EQ(shown.size(), 8u);
  EXPECT_EQ(FocusedHandSlot(g), 0);
  MoveHandFocus(g, 1);
  EXPECT_EQ(FocusedHandSlot(g), shown.front());
  MoveHandFocus(g, -1);
  EXPECT_EQ(FocusedHandSlot(g), shown.front()) << "no wrap at the left end";
  MoveHandFocus(g, 3);
  EXPECT_EQ(FocusedHandSlot(g), shown[3]);
  FocusHandEnd(g, true);
  EXPECT_EQ(FocusedHandSlot(g), shown.back());
  MoveHandFocus(g, 1);
  EXPECT_EQ(FocusedHandSlot(g), shown.back());

  g.Extras.HandFocus = 0;
  MoveHandFocus(g, -1);
  EXPECT_EQ(FocusedHandSlot(g), shown.back()) << "a first step left starts at the right end";

  // A card played from under the focus: the next step lands on the nearest card.
  g.Extras.HandFocus = shown[2];
  g.Win.ImgHand[shown[2]].Visible = false;
  EXPECT_EQ(FocusedHandSlot(g), 0);
  MoveHandFocus(g, 1);
  EXPECT_EQ(FocusedHandSlot(g), shown[3]);
}

TEST_F(KeyboardPlayTest, KeysSelectThroughTheClickRules) {
  const std::vector<int> nines = SlotsOfRank(g, 9);
  const std::vector<int> sevens = SlotsOfRank(g, 7);
  // Up on a 9: the whole set, cut to the pair on the table, as a left click does.
  g.Extras.HandFocus = nines[0];
  SelectFocusedSet(g);
  EXPECT_EQ(RaisedSlots(g), (std::vector<int>{nines[2], nines[3]}));
  EXPECT_TRUE(g.Win.CmdSend.Visible);
  // Up on a raised card does not play it.
  g.Extras.HandFocus = nines[3];
  SelectFocusedSet(g);
  EXPECT_FALSE(g.Flow.HumanCommitted);
  EXPECT_EQ(RaisedSlots(g).size(), 2u);
  // Down lowers one card; space on another rank gets the mouse's refusal.
  LowerFocusedCard(g);
  EXPECT_EQ(RaisedSlots(g), std::vector<int>{nines[2]});
  g.Extras.HandFocus = sevens[0];
  ToggleFocusedCard(g);
  EXPECT_EQ(g.Win.LblPrompt.Caption, kPromptInvalidCard);
  EXPECT_EQ(RaisedSlots(g), std::vector<int>{nines[2]});
  // Space raises and lowers one card of the raised rank.
  g.Extras.HandFocus = nines[0];
  ToggleFocusedCard(g);
  EXPECT_EQ(RaisedSlots(g), (std::vector<int>{nines[0], nines[2]}));
  ToggleFocusedCard(g);
  EXPECT_EQ(RaisedSlots(g), std::vector<int>{nines[2]});
}

}  // namespace
}  // namespace zunda

#include "rules/hand_display.h"

#include <cstddef>
#include <string>
#include <string_view>

#include "core/fixed_text.h"
#include "core/game.h"
#include "core/seats.h"
#include "core/text.h"

namespace zunda {

namespace {

constexpr int kFirstLeft = 60;
constexpr int kCardStep = 180;
constexpr int kGroupGap = 140;
constexpr std::string_view kUsageHint = ". 鼠标左键选整套,右键拆牌,双击直接出牌 ";

constexpr std::size_t LongestRankLabel() {
  std::size_t longest = 0;
  for (const std::string_view label : kRankLabels)
    longest = label.size() > longest ? label.size() : longest;
  return longest;
}

// Room for the longest label, any count and the hint.
constexpr std::size_t kLongestSlotTip =
    LongestRankLabel() + 1 + kLongestIntText + std::string_view("张").size() + kUsageHint.size();

// The tip of a rank's slots, "<label> <count>张<hint>", put together in a buffer: the hand is
// shown after every play of the seat, and each rank held needs its tip.
FixedText<kLongestSlotTip> SlotTip(int rank, int count) {
  FixedText<kLongestSlotTip> tip;
  tip.Append(TrimView(kRankLabels[static_cast<std::size_t>(rank - kLowRank)])).Append(" ");
  tip.AppendNumber(count).Append("张").Append(kUsageHint);
  return tip;
}

// How many slots a rank takes: its cards held, or as many as were dealt when some of them
// have been played (the played ones stay as hidden gaps).
int SlotsOfRank(const Game& g, int seat, int rank, bool keepGaps) {
  const int held = g.Hand[seat][rank].Count;
  const int dealt = g.DealtHand[seat][rank].Count;
  return keepGaps && dealt > held ? dealt : held;
}

// Cards received in a tribute were never dealt and cards given away leave gaps, so a hand of
// 36 cards can need more than 36 slots; it is then laid out as if dealt as it stands now.
bool GapsFit(const Game& g, int seat) {
  int slots = 0;
  for (int rank = kBigJoker; rank >= kLowRank; --rank)
    slots += SlotsOfRank(g, seat, rank, true);
  return slots <= kHandSlots;
}

}  // namespace

bool AnyHandSlotRaised(const Game& g) {
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (HandSlotRaised(g, slot)) return true;
  }
  return false;
}

void RaiseHandSlot(Game& g, int slot) {
  g.Win.ImgHand[slot].Top = kHandRaised;
}
void LowerHandSlot(Game& g, int slot) {
  g.Win.ImgHand[slot].Top = kHandLowered;
}

void ShowHand(Game& g, int seat) {
  if (CardsInHand(g, seat) > kHandSlots) Fatal("Err:手中牌数超过36张");
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    Image& card = g.Win.ImgHand[slot];
    if (card.Top != kHandLowered) {
      card.Top = kHandLowered;
      card.Tag.clear();
    }
  }

  const bool keepGaps = GapsFit(g, seat);
  const HandGrid& hands = g.Hand;
  int slot = 0;
  int left = kFirstLeft;
  for (int rank = kBigJoker; rank >= kLowRank; --rank) {
    const HandBucket& bucket = hands[seat][rank];
    const bool dealt = (keepGaps ? g.DealtHand[seat][rank].Count : bucket.Count) > 0;
    if (dealt && left != kFirstLeft && rank <= kTwo) left += kGroupGap;
    // The hand is shown again after every play of the seat and most slots keep their card:
    // texts are written only where they change.
    if (bucket.Count > 0) {
      const auto tip = SlotTip(rank, bucket.Count);
      for (int i = 1; i <= bucket.Count; ++i) {
        ++slot;
        if (slot > kHandSlots) Fatal("Err: in 显示手中牌 : M=" + std::to_string(slot));
        Image& card = g.Win.ImgHand[slot];
        card.Left = left;
        const CardCode& code = bucket.Codes[i];
        AssignIfChanged(card.Tag, std::string_view(code.ch.data(), code.ch.size()));
        AssignIfChanged(card.ToolTipText, tip.View());
        card.Visible = true;
        left += kCardStep;
      }
    }
    for (int i = bucket.Count + 1; i <= SlotsOfRank(g, seat, rank, keepGaps); ++i) {
      left += kCardStep;
      ++slot;
      if (slot > kHandSlots) Fatal("Err:  in  显示手中牌  :  M=" + std::to_string(slot));
      Image& gap = g.Win.ImgHand[slot];
      gap.Left = left;
      gap.Tag.clear();
      gap.Visible = false;
    }
  }
  // Slots past the last card or gap hold nothing.
  for (++slot; slot <= kHandSlots; ++slot) {
    g.Win.ImgHand[slot].Tag.clear();
    g.Win.ImgHand[slot].Visible = false;
  }
}

int LoweredSlotWith(const Game& g, const CardCode& code) {
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (HandSlotHoldsCard(g, slot) && !HandSlotRaised(g, slot) &&
        CardCode(g.Win.ImgHand[slot].Tag) == code)
      return slot;
  }
  return 0;
}

}  // namespace zunda

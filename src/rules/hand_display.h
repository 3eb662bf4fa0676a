#pragma once

#include "core/game.h"

namespace zunda {

// Rebuilds the hand display (36 slots) from the seat's buckets, highest rank first, keeping
// the places of the cards as dealt: played cards leave hidden gaps and each rank group from
// the twos down starts after a small extra gap. Every slot ends up lowered.
void ShowHand(Game& g, int seat);

// The slots of the hand display. A raised slot is a selected card. Inline: the selection
// rules and the clicks walk the whole row several times for every click.
inline bool HandSlotRaised(const Game& g, int slot) {
  return g.Win.ImgHand[slot].Top == kHandRaised;
}
bool AnyHandSlotRaised(const Game& g);
// The rank of the card shown in the slot, 0 for a slot without a card.
inline int HandSlotRank(const Game& g, int slot) {
  return CardCode(g.Win.ImgHand[slot].Tag).Rank();
}
// The rank of the card a visible slot shows, 0 for a hidden or empty slot: both questions of
// a scan of the row with the tag read once.
inline int ShownCardRank(const Game& g, int slot) {
  if (!g.Win.ImgHand[slot].Visible) return 0;
  const int rank = HandSlotRank(g, slot);
  return rank >= kLowRank ? rank : 0;
}
inline bool HandSlotHoldsCard(const Game& g, int slot) {
  return ShownCardRank(g, slot) != 0;
}
// The first slot that shows the card `code` and is not raised; 0 when there is none.
int LoweredSlotWith(const Game& g, const CardCode& code);
void RaiseHandSlot(Game& g, int slot);
void LowerHandSlot(Game& g, int slot);

}  // namespace zunda

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
inline bool HandSlotHoldsCard(const Game& g, int slot) {
  const Image& card = g.Win.ImgHand[slot];
  return card.Visible && HandSlotRank(g, slot) >= kLowRank;
}
// The first slot that shows the card `code` and is not raised; 0 when there is none.
int LoweredSlotWith(const Game& g, const CardCode& code);
void RaiseHandSlot(Game& g, int slot);
void LowerHandSlot(Game& g, int slot);

}  // namespace zunda

#pragma once

#include "core/game.h"

namespace zunda::sim {

// Recomputes CardCount, SetCount and JokerCount from the seat's buckets, for positions made
// up card by card rather than dealt and played.
void SyncSeatCounts(Game& g, int seat);

// Counts every card of the four packs that no seat holds as already played, so that the card
// totals of the table add up to the full deck.
void MarkRestAsPlayed(Game& g);

}  // namespace zunda::sim

#pragma once

namespace zunda {

struct Game;

// Rebuilds the human's row of hand cards from the seat's buckets, every card lowered.
void ShowHand(Game& g, int seat);

}  // namespace zunda

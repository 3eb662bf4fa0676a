#pragma once

namespace zunda {

struct Game;

// Rebuilds the human's hand slots from the seat's buckets.
void ShowHand(Game& g, int seat);

}  // namespace zunda

#pragma once

namespace zunda {

struct Game;

// Whether the seat may burn, from its jokers and the sets it holds.
void UpdateBurnRight(Game& g, int seat);

}  // namespace zunda

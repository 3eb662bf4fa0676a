#pragma once

namespace zunda {

struct Game;

// A seat may burn while its jokers can escort all but two of its sets. Recomputed after the
// deal and after every play of the seat, once SetCount and JokerCount are up to date.
void UpdateBurnRight(Game& g, int seat);

}  // namespace zunda

#pragma once

namespace zunda {

struct Game;

// What a game that takes over a hand (a loaded saved hand, a branched or taken-back hand)
// keeps of the running one: the settings, the folders, the score counters and what belongs
// to this run of the program rather than to the hand.
void CarryOverRunState(const Game& from, Game& to);

}  // namespace zunda

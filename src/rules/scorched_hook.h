#pragma once

namespace zunda {

struct Game;

// The automatic scorched verdict on a burning seat whose jokers no longer cover its sets.
// The play executor calls it after the seat's play, once its counts are up to date.
void AutoScorchedVerdict(Game& g, int seat);

}  // namespace zunda

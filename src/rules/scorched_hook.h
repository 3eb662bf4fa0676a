#pragma once

namespace zunda {

struct Game;

// Run by the play executor after each play of a seat: a burner left with too few jokers for
// the sets it holds is scorched.
void AutoScorchedVerdict(Game& g, int seat);

}  // namespace zunda

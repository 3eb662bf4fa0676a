#pragma once

#include <string>

#include "core/model.h"

namespace zunda {

struct Game;

// Carries out TablePlay as the play of the seat: takes the cards out of its hand, brings its
// counters up to date, applies the seating effects of Zunda plays, lays the cards on the
// table, announces the play and the cards left, and judges a burner who can no longer keep
// the joker obligation. Every play, human or computer, lead or answer, goes through here.
void ExecutePlay(Game& g, int seat);

// The play as the event list names it: "4张  9(1大虎)" for three 9s with a big joker.
std::string PlayEventText(const PlayRecord& play);

}  // namespace zunda

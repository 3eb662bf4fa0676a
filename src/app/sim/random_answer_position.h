#pragma once

#include <cstdint>

#include "core/game.h"

namespace zunda::sim {

// Deals a random position with a set on the table, from a seed: the hands of
// DealRandomLeadPosition, then its leader lays a random legal set from its own hand (ordinary
// cards with or without twos and jokers attached, or twos or jokers alone), which leaves its
// hand and counts as played; a leader left without cards has gone out. Random seats have
// passed, folding may be in force, the answering seat is often handed the big jokers that
// small jokers on the table ask for, and now and then it is pushed into finish mode or has
// its strength flipped. Returns the answering seat (in play, not the
// table's seat) and makes it CurrentSeat.
int DealRandomAnswerPosition(Game& g, std::uint64_t seed);

}  // namespace zunda::sim

#pragma once

#include <cstdint>

#include "core/game.h"

namespace zunda::sim {

// Deals a random position in the middle of a hand from a seed, for a lead: a shuffled four-pack
// deck is dealt in part to the seats, a few seats have already gone out, every card not held counts
// as played, and the seats are assessed as after a play; now and then the leader is pushed
// into finish mode whatever its hand. Returns the leader, a computer seat that holds cards
// with at least one other seat still in play. CurrentSeat and LeadSeat are set to it.
int DealRandomLeadPosition(Game& g, std::uint64_t seed);

// Takes the table play out of its seat's buckets (the last codes of each bucket matching
// it), counts it as played and brings the seat's counters up to date: enough of the play
// executor for runs that play several leads in a row.
void LayTablePlay(Game& g);

}  // namespace zunda::sim

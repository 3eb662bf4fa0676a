#pragma once

#include <string>
#include <vector>

#include "core/cards.h"

namespace zunda {
struct Game;
}

namespace zunda::sim {

// The seat the threes make leader for a deal in this order: the first seat to hold two
// threes of one suit, else the first seat to reach the most threes. Written apart from the
// deal itself so that the two can check each other.
int ThreesLeader(const DeckArray& dealt);

// Every broken invariant of an accepted deal, one text each: four full packs dealt in
// order, 36 cards to a seat, buckets that match their codes, the leader, and no more than
// 15 short buckets.
std::vector<std::string> CheckAcceptedDeal(const Game& g, int expectedLeader);

}  // namespace zunda::sim

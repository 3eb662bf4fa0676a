#pragma once

#include <map>
#include <string>

#include "core/cards.h"
#include "sequence_host.h"

namespace zunda::testing {

// The position in the dealt order of the card a seat receives in the given round (1..36).
constexpr int DealPosition(int seat, int round) {
  return 6 * (round - 1) + seat;
}

// A full four-pack deck in which the given positions hold the given codes; every other
// position takes the remaining cards in the order the deck is built.
DeckArray DeckWith(const std::map<int, std::string>& fixed);

// The full deck sorted by rank, each rank in the order the deck is built.
DeckArray DeckSortedByRank();

// Queues the draws that make ShuffleDeck and CutDeck turn `current` into `wanted`.
// Fails the running test when no cut point makes `wanted` reachable.
void QueueDealOf(SequenceHost& host, const DeckArray& current, const DeckArray& wanted);

}  // namespace zunda::testing

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/game.h"

namespace zunda::testing {

// The one way tests build hands. Every builder puts cards into the seat's buckets (and the
// dealt hand the analysis compares with) and brings CardCount, SetCount and JokerCount up to
// date. Generated codes run through the suits C, D, H, S in turn; jokers are J16 and J17.

// Adds n cards of the rank (3..17) to what the seat holds.
void GiveCards(Game& g, int seat, int rank, int n);
// Adds the cards of the codes, in the order given within a rank.
void GiveCards(Game& g, int seat, const std::vector<std::string_view>& codes);

// Replaces a seat's hand with the cards of a compact description: blank-separated items "NxR",
// N cards of rank R, where R is 3..10, J, Q, K, A, 2 (the twos), or a joker code J16 / J17;
// numeric ranks 11..17 are accepted too. "" empties the hand. Example: "3x5 2x9 1xJ17". A
// malformed description throws std::invalid_argument.
void SetHand(Game& g, int seat, std::string_view description);

// Replaces a seat's hand with the cards of the codes. For the human seat the hand slots show
// them as the hand display does: highest rank first, every slot lowered.
void GiveHand(Game& g, int seat, std::vector<std::string> codes);

}  // namespace zunda::testing

#pragma once

#include <string_view>

#include "core/game.h"

namespace zunda::testing {

// Replaces a seat's hand with the cards of a compact description and brings CardCount,
// SetCount and JokerCount up to date. The description is blank-separated items "NxR": N cards
// of rank R, where R is 3..10, J, Q, K, A, 2 (the twos), or a joker code J16 / J17; numeric
// ranks 11..17 are accepted too. "" empties the hand. Example: "3x5 2x9 1xJ17".
// Codes run through the suits C, D, H, S in turn. A malformed description throws
// std::invalid_argument.
void SetHand(Game& g, int seat, std::string_view description);

}  // namespace zunda::testing

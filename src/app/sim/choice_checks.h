#pragma once

#include <string>

#include "core/checked_array.h"
#include "core/model.h"

namespace zunda {
struct Game;
}

namespace zunda::sim {

// What is wrong with the set a computer seat chose, "" when nothing. Shared by the
// simulator's --decisions runs and the property tests of the choosers.

// The codes of `count` cards laid from `bucket`: each must be a different card the bucket
// holds, and the slots after them blank.
std::string HeldCodesFault(const Arr<CardCode, 1, 16>& codes, int count, const HandBucket& bucket);

// The lead ChooseLead left in TablePlay, checked against the seat's hand before it is laid:
// the seat's own set with its team letter, a total that is the sum of its parts, the base
// rank its lowest card, no more cards than held, the base taken as a whole bucket, and codes
// the seat holds.
std::string LeadFault(const Game& g, int seat);

// The answer ChooseAnswer left in Selection (not a pass): the seat's own set with its team
// letter, legal against TablePlay by the play rules, from cards and codes the seat holds.
std::string AnswerFault(const Game& g, int seat);

}  // namespace zunda::sim

#pragma once

#include "core/cards.h"
#include "core/checked_array.h"

namespace zunda {

// Working tables of the computer players.
struct AiState {
  Arr<int, kLowRank, kBigJoker> GapBonus;
  // Set when the cards are dealt and cleared when the hand ends: the card totals are only
  // checked while a hand is being played.
  bool HandInPlay = false;
  // Set by the turn cycle while the human seat's choice is kept for the human: the answer
  // choosers then never propose an answer for the human seat.
  bool KeepHumanChoice = false;
  bool operator==(const AiState&) const = default;
};

}  // namespace zunda

#pragma once

#include "core/cards.h"
#include "core/checked_array.h"

namespace zunda {

// Working tables of the computer players.
struct AiState {
  Arr<int, kLowRank, kBigJoker> GapBonus;
  bool operator==(const AiState&) const = default;
};

}  // namespace zunda

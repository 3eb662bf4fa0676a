#pragma once

#include <array>

#include "core/cards.h"
#include "core/checked_array.h"
#include "core/model.h"

namespace zunda {

// What the hand assessment last worked out from each seat's buckets, kept so that a seat
// whose buckets have not changed since is not counted again. It is derived from the hands
// alone, so it never makes two games differ.
struct SeatFiguresCache {
  static constexpr std::size_t kRanks = kBigJoker - kLowRank + 1;
  std::array<std::array<int, kRanks>, kSeats> counts{};
  std::array<int, kSeats> rankScore{};
  std::array<int, kSeats> plainSets{};
  std::array<bool, kSeats> known{};
  std::array<int, kRanks> weights{};
  bool operator==(const SeatFiguresCache&) const { return true; }
};

// Working tables of the computer players.
struct AiState {
  Arr<int, kLowRank, kBigJoker> GapBonus;
  // Set when the cards are dealt and cleared when the hand ends: the card totals are only
  // checked while a hand is being played.
  bool HandInPlay = false;
  // Set by the turn cycle while the human seat's choice is kept for the human: the answer
  // choosers then never propose an answer for the human seat.
  bool KeepHumanChoice = false;
  SeatFiguresCache Figures;
  bool operator==(const AiState&) const = default;
};

}  // namespace zunda

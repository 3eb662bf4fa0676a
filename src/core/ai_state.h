#pragma once

#include <cstdint>

#include "core/cards.h"
#include "core/checked_array.h"
#include "core/model.h"

namespace zunda {

// What the hand assessment last worked out from each seat's buckets, kept so that a seat
// whose buckets have not changed since is not counted again. It is derived from the hands
// and the card weights alone: a game without it (a restored one) plays the same.
struct SeatFiguresCache {
  // The hand's change number the figures were counted at (HandGrid::Changes).
  Arr<std::uint64_t, 1, kSeats> changes;
  Arr<int, 1, kSeats> rankScore;
  Arr<int, 1, kSeats> plainSets;
  Arr<bool, 1, kSeats> known;
  Arr<int, kLowRank, kBigJoker> weights;
  bool operator==(const SeatFiguresCache&) const = default;
};

// The hand's change number at which each seat's buckets were last found none below zero: a
// bucket only goes below zero through a write, which raises the number.
struct CheckedHandsCache {
  Arr<std::uint64_t, 1, kSeats> changes;
  Arr<bool, 1, kSeats> known;
  bool operator==(const CheckedHandsCache&) const = default;
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
  CheckedHandsCache CheckedHands;
  bool operator==(const AiState&) const = default;
};

}  // namespace zunda

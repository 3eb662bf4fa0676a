#pragma once

#include <string>
#include <vector>

#include "core/game.h"
#include "core/seats.h"
#include "hand_builder.h"
#include "rules/hand_display.h"
#include "test_game.h"

namespace zunda::testing {

// The turn cycle has stopped to wait for the human's answer.
inline void AwaitHuman(Game& g) {
  g.CurrentSeat = g.HumanSeat;
  g.Seats[g.HumanSeat].OnTurn = true;
  g.Flow.WaitHuman = true;
}

inline void LayTable(Game& g, int seat, int rank, int count, int bigJokers = 0) {
  PlayRecord& table = g.TablePlay;
  table.Seat = seat;
  table.BaseRank = rank;
  table.BaseCount = rank < kTwo ? count : 0;
  table.TwoCount = rank == kTwo ? count : 0;
  table.BigJokers = bigJokers;
  table.Total = count + bigJokers;
  g.BigJokerOnTable = bigJokers > 0;
}

inline std::vector<int> SlotsOfRank(const Game& g, int rank) {
  std::vector<int> slots;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (HandSlotHoldsCard(g, slot) && HandSlotRank(g, slot) == rank) slots.push_back(slot);
  }
  return slots;
}

inline std::vector<int> RaisedSlots(const Game& g) {
  std::vector<int> slots;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (HandSlotRaised(g, slot)) slots.push_back(slot);
  }
  return slots;
}

}  // namespace zunda::testing

#pragma once

#include <string>
#include <vector>

#include "core/game.h"
#include "core/seats.h"
#include "rules/hand_display.h"
#include "test_game.h"

namespace zunda::testing {

// A hand in the making: cards are put into the buckets as dealt, and the seat's counters follow.
inline void GiveCards(Game& g, int seat, int rank, int n) {
  HandBucket& bucket = g.Hand[seat][rank];
  bucket.Rank = rank;
  const std::string suits = rank >= kSmallJoker ? "J" : "CDHS";
  for (int i = 0; i < n; ++i) {
    const char suit = suits[static_cast<std::size_t>(bucket.Count) % suits.size()];
    bucket.Codes[++bucket.Count] =
        CardCode(std::string(1, suit) + (rank < 10 ? "0" : "") + std::to_string(rank));
  }
  g.DealtHand[seat][rank] = bucket;
  SeatRecord& record = g.Seats[seat];
  record.CardCount = CardsInHand(g, seat);
  record.SetCount = CountSets(g, seat);
  record.JokerCount = g.Hand[seat][kSmallJoker].Count + g.Hand[seat][kBigJoker].Count;
}

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

#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/cards.h"
#include "core/checked_array.h"

namespace zunda {

inline constexpr int kSeats = 6;
inline constexpr int kHandSlots = 36;
inline constexpr int kTableSlots = 120;

// One rank of a seat's hand: how many cards of it are held and their codes in arrival order.
struct HandBucket {
  int Count = 0;
  int Rank = 0;
  Arr<CardCode, 1, 25> Codes;
  bool operator==(const HandBucket&) const = default;
};

// Hand(seat, rank) as one bucket per rank 3..17 for each seat 1..6.
//
// Each seat's hand carries a change number: any access that could write it (through a
// non-const grid) raises the number, so what is worked out from a hand can be kept while the
// number stands. The numbers only ever rise, an assignment included, and equality compares
// the cards alone.
class HandGrid {
 public:
  using Row = Arr<HandBucket, kLowRank, kBigJoker>;

  HandGrid() = default;
  HandGrid(const HandGrid&) = default;
  HandGrid& operator=(const HandGrid& other) {
    rows_ = other.rows_;
    for (int seat = 1; seat <= kSeats; ++seat)
      changes_[seat] = std::max(changes_[seat], other.changes_[seat]) + 1;
    return *this;
  }

  Row& operator[](int seat) {
    Row& row = rows_[seat];
    ++changes_[seat];
    return row;
  }
  const Row& operator[](int seat) const { return rows_[seat]; }

  auto begin() {
    ChangeAll();
    return rows_.begin();
  }
  auto end() {
    ChangeAll();
    return rows_.end();
  }
  auto begin() const { return rows_.begin(); }
  auto end() const { return rows_.end(); }

  std::uint64_t Changes(int seat) const { return changes_[seat]; }

  bool operator==(const HandGrid& other) const { return rows_ == other.rows_; }

 private:
  void ChangeAll() {
    for (std::uint64_t& changes : changes_)
      ++changes;
  }

  Arr<Row, 1, kSeats> rows_;
  Arr<std::uint64_t, 1, kSeats> changes_;
};

// A set of cards laid or about to be laid. Jokers are only counted; their codes are implied.
struct PlayRecord {
  char Tag = ' ';
  int Seat = 0;
  int Total = 0;
  int BaseRank = 0;
  int BaseCount = 0;
  Arr<CardCode, 1, 16> BaseCodes;
  int TwoCount = 0;
  Arr<CardCode, 1, 16> TwoCodes;
  int SmallJokers = 0;
  int BigJokers = 0;
  bool operator==(const PlayRecord&) const = default;
};

// The one way to clear a play record: Tag blank, no seat and every count 0. The code lists
// are left as they were; only their counts say how many codes are meant.
inline void ClearPlayCounts(PlayRecord& play) {
  play.Tag = ' ';
  play.Seat = 0;
  play.Total = 0;
  play.BaseRank = 0;
  play.BaseCount = 0;
  play.TwoCount = 0;
  play.SmallJokers = 0;
  play.BigJokers = 0;
}

// What a seat's name label shows of its place in the round, kept by the engine so that the
// rules never read a colour: passed over for the rest of the round, or out of the hand.
enum class SeatShade { None, PassedOver, Out };

struct SeatRecord {
  std::string Name;  // at most 12 characters
  char Team = ' ';
  bool IsHuman = false;
  int HandScore = 0;
  int CardCount = 0;
  int SetCount = 0;
  int JokerCount = 0;
  int Place = 0;
  bool Passed = false;
  bool Folded = false;
  bool Finished = false;
  bool BurnRight = false;
  bool Burned = false;
  bool Scorched = false;
  bool StrongHand = false;
  bool FinishMode = false;
  bool OppositeOut = false;
  bool OnTurn = false;
  SeatShade Shade = SeatShade::None;
  Arr<Card, 1, 10> TributeSlots;
  Arr<Card, 1, 10> ReturnSlots;
  int TributeCount = 0;
  std::string TributeText;
  int Spare2 = 0;
  bool ReturnDone = false;
  // score, one..six, threewin, threelost, RestartNum of the score table.
  Arr<std::int32_t, 1, 10> Stats;
  bool operator==(const SeatRecord&) const = default;
};

}  // namespace zunda

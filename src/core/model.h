#pragma once

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
using HandGrid = Arr<Arr<HandBucket, kLowRank, kBigJoker>, 1, kSeats>;

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

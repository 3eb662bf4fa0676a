#pragma once

#include <string>

#include "core/checked_array.h"
#include "core/model.h"

namespace zunda {

// What the table rows show: which images hold a card and the last play shown per seat.
struct TableDisplayState {
  Arr<bool, 0, kTableSlots> TableSlotUsed;
  Arr<PlayRecord, 0, 5> ShownPlay;  // index seat - 1
  int LastShownSeat = 0;
  int LastShownCount = 0;
  std::string PlayedStatusText;
  int CardStep = 180;
  bool operator==(const TableDisplayState&) const = default;
};

// What the table display knows of its own controls, so that it can leave alone what would not
// change. It is derived from the controls alone: a game without it (a restored one) shows and
// plays the same.
struct TableDisplayCache {
  // Whether every image of a seat's row is hidden, unused and holds the not-played tip (index
  // seat - 1). Rows are hidden a few hundred times a hand, mostly rows hidden already. Every
  // writer of a row's images keeps it; false means not known.
  Arr<bool, 0, 5> RowClear;
  // The counts of the ranks from 10 up that the status text was written from: most plays
  // change none of them.
  Arr<int, 10, kBigJoker> StatusTextCounts;
  bool StatusTextKnown = false;
  bool operator==(const TableDisplayCache&) const = default;
};

}  // namespace zunda

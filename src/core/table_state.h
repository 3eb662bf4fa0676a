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

}  // namespace zunda

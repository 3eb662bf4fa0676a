#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/hand_record.h"

namespace zunda {

// A hand to be played again from a moment of its record: a branch from a kept hand, or the
// running hand itself for a take-back.
struct TakeOverRequest {
  bool Pending = false;
  HandRecord Record;
  std::size_t NextAction = 0;  // the replay stops where the human is to make this decision
  bool Practice = true;
  bool operator==(const TakeOverRequest&) const = default;
};

// Requests of the save and load menu commands and the run-data recorder's ring position.
struct StorageState {
  // Carried out by the turn cycle between two steps, never in the middle of one.
  bool SaveRequested = false;
  bool RestoreRequested = false;
  // Set while the run-data recorder writes a snapshot: no question, no message.
  bool SilentSave = false;
  // The run-data slot written last, 1..5; 0 before the first snapshot.
  int RunDataSlot = 0;
  // The files the program writes by itself whose last save failed and the player has been
  // told so: a failure is told once, not at every hand, until a save of that file succeeds.
  std::vector<std::string> FailedSavesTold;
  // Carried out outside a tick: the hand the running game takes over.
  TakeOverRequest TakeOver;
  bool operator==(const StorageState&) const = default;
};

}  // namespace zunda

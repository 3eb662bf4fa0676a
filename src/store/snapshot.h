#pragma once

#include <QtGlobal>
#include <functional>
#include <string>
#include <string_view>

#include "core/game_store.h"

namespace zunda {

struct Game;

// The saved hand: a pair of a hands file and a state file in the program folder.
inline constexpr std::string_view kSavedHandsFile = "PaiXing.znd";
inline constexpr std::string_view kSavedStateFile = "Var.znd";

// The names of run-data slot 1..5: "PaiXing" & slot & ".znd" and "Var" & slot & ".znd".
std::string RunDataHandsFile(int slot);
std::string RunDataStateFile(int slot);

// The steps of a save, in order. Whichever step a save stops after, the folder holds a pair
// that loads: the older one up to HandsInPlace, the new one after StateInPlace.
enum class SaveStep {
  HandsTempWritten,
  StateTempWritten,
  OlderHandsKept,
  HandsInPlace,
  StateInPlace
};

// Ways to cut a save short, so that tests can show what such a save leaves behind.
struct SaveInterruption {
  // Bytes the save may write before the disk is full; negative for no limit.
  qint64 diskRoom = -1;
  // Called after each step; a test may end the process there.
  std::function<void(SaveStep)> afterStep;
};

// Writes a pair into folder. Both files are written under temporary names first; while the
// two take their real names one after the other, the older hands file is kept beside them
// (hands name + ".old"), so that a save that fails or is killed at any point leaves the older
// pair loadable. False when the pair could not be written.
bool WriteSnapshot(const Game& g, const std::string& folder, std::string_view handsName,
                   std::string_view stateName, const SaveInterruption& cut = {});

// Reads the saved-hand pair of folder into a fresh game, checks every value, the card totals
// and that the two files belong together, and only then replaces g. A state file that does not
// belong to the hands file is tried with the kept older hands file, left there by a save cut
// off between the two files. A state file of another
// version costs its hands file, as it always did.
RestoreOutcome ReadSavedHand(Game& g, const std::string& folder);

// Saves the running game as the saved hand of folder and loads it back through the same code:
// what a save and a later load do, without questions or messages. Empty on success, else what
// went wrong. `betweenSaveAndLoad` runs once the pair is written; a check that must show it
// catches a spoilt pair uses it to spoil one.
std::string SaveAndRestoreInPlace(Game& g, const std::string& folder,
                                  const std::function<void()>& betweenSaveAndLoad = {});

}  // namespace zunda

#pragma once

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

// Writes a pair into folder. Both files are written under temporary names and take their
// real names only when both are complete, so a failed save leaves the older pair as it was.
// False when the pair could not be written.
bool WriteSnapshot(const Game& g, const std::string& folder, std::string_view handsName,
                   std::string_view stateName);

// Reads the saved-hand pair of folder into a fresh game, checks every value, the card totals
// and that the two files belong together, and only then replaces g. A state file of another
// version costs its hands file, as it always did.
RestoreOutcome ReadSavedHand(Game& g, const std::string& folder);

// Saves the running game as the saved hand of folder and loads it back through the same code:
// what a save and a later load do, without questions or messages. Empty on success, else what
// went wrong. `betweenSaveAndLoad` runs once the pair is written; a check that must show it
// catches a spoilt pair uses it to spoil one.
std::string SaveAndRestoreInPlace(Game& g, const std::string& folder,
                                  const std::function<void()>& betweenSaveAndLoad = {});

}  // namespace zunda

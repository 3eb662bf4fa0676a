#pragma once

#include <QByteArray>
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

// The two files of a pair as the save writes them.
struct PairBytes {
  QByteArray Hands;
  QByteArray State;
  bool operator==(const PairBytes&) const = default;
};
PairBytes EncodePair(const Game& g);

// Writes a pair into folder, so that however many saves are cut off one after another (a full
// disk, a refused rename, the end of the process), the last pair that was ever written whole
// still loads, and no load pairs files of two saves:
// - a save first settles what an interrupted save left: the newest whole pair takes the
//   pair's names and every other leftover goes;
// - it writes the new pair whole under temporary names (hands name + ".tmp"), so that from
//   then on it is the newest whole pair;
// - it moves the older hands file aside (hands name + ".old"), puts the new files in place
//   one after the other, and removes the older hands file.
// The state file names its hands file by a check of its bytes, and a load takes the newest
// state file with a hands file that matches it. In a folder that refuses new files, the two
// files are written in place as one step (store/safe_write.h).
SaveResult WriteSnapshot(const Game& g, const std::string& folder, std::string_view handsName,
                         std::string_view stateName);
// The same with the bytes of the two files given.
SaveResult WritePair(const Game& g, const std::string& folder, std::string_view handsName,
                     std::string_view stateName, const PairBytes& pair);

// Reads the saved-hand pair of folder into a fresh game, checks every value, the card totals
// and that the two files belong together, and only then replaces g. When no pair loads, says
// what is wrong with the files there; another version's files are left as they are.
RestoreResult ReadSavedHand(Game& g, const std::string& folder);

// Saves the running game as the saved hand of folder and loads it back through the same code:
// what a save and a later load do, without questions or messages. Empty on success, else what
// went wrong. `betweenSaveAndLoad` runs once the pair is written; a check that must show it
// catches a spoilt pair uses it to spoil one.
std::string SaveAndRestoreInPlace(Game& g, const std::string& folder,
                                  const std::function<void()>& betweenSaveAndLoad = {});

}  // namespace zunda

#pragma once

#include <string>

#include "core/save_result.h"

namespace zunda {

struct Game;

enum class RestoreOutcome {
  Restored,
  // Neither file of the saved pair exists.
  NoSavedHand,
  // The state file was written by another version of the program; both files are kept.
  OtherVersion,
  // One file of the pair exists, the other (File) does not.
  FileMissing,
  // File exists but cannot be read.
  FileUnreadable,
  // File is cut short or holds what no save writes.
  FileDamaged,
  // Both files read, but they are not of the same save or their cards do not add up.
  FilesDisagree,
};

// What a load found. Whatever it is but Restored, the running game is untouched.
struct RestoreResult {
  RestoreOutcome Outcome = RestoreOutcome::NoSavedHand;
  std::string File;       // the file the outcome is about
  std::string OtherFile;  // for FilesDisagree, the second file
};

// The engine has no file access: the turn cycle asks this for everything it keeps on disk.
// Game::Store is null where nothing is to be stored (most tests).
class GameStore {
 public:
  virtual ~GameStore() = default;

  // Writes the saved-hand pair. When it cannot be written whole the older pair stays as it was.
  virtual SaveResult SaveHand(const Game& g) = 0;
  // Reads the saved-hand pair into a fresh game, checks it and only then replaces g.
  virtual RestoreResult RestoreHand(Game& g) = 0;
  // Writes run-data snapshot slot 1..5.
  virtual SaveResult WriteRunData(const Game& g, int slot) = 0;
  // Writes the score counters of the seats and the players.
  virtual SaveResult SaveScores(const Game& g) = 0;
  // Adds the record of the hand just finished (g.Record) to the kept hands, the oldest
  // dropped beyond their number.
  virtual SaveResult KeepHand(const Game& g) = 0;
};

}  // namespace zunda

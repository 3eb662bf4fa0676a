#pragma once

namespace zunda {

struct Game;

enum class RestoreOutcome {
  Restored,
  // No saved pair, or a pair that is short, damaged or does not belong together. The running
  // game is untouched.
  NoSavedHand,
  // The state file was written by another version of the program; its hands file is gone.
  OtherVersion,
};

// The engine has no file access: the turn cycle asks this for everything it keeps on disk.
// Game::Store is null where nothing is to be stored (most tests).
class GameStore {
 public:
  virtual ~GameStore() = default;

  // Writes the saved-hand pair. False when it could not be written completely; an older pair
  // is then left as it was.
  virtual bool SaveHand(const Game& g) = 0;
  // Reads the saved-hand pair into a fresh game, checks it and only then replaces g.
  virtual RestoreOutcome RestoreHand(Game& g) = 0;
  // Writes run-data snapshot slot 1..5; failures are ignored.
  virtual void WriteRunData(const Game& g, int slot) = 0;
  // Writes the score counters of the seats and the players.
  virtual void SaveScores(const Game& g) = 0;
};

}  // namespace zunda

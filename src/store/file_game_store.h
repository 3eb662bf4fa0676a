#pragma once

#include "core/game_store.h"

namespace zunda {

struct Game;

// The game's files in its program folder (Game::AppPath): the saved hand, the run-data ring
// and the score file.
class FileGameStore : public GameStore {
 public:
  bool SaveHand(const Game& g) override;
  RestoreOutcome RestoreHand(Game& g) override;
  void WriteRunData(const Game& g, int slot) override;
  void SaveScores(const Game& g) override;
};

// Makes the game use the store for its files and tell the deal whether a saved hand exists.
void InstallFileStore(Game& g, FileGameStore& store);

}  // namespace zunda

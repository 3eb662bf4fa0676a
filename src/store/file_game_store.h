#pragma once

#include "core/game_store.h"

namespace zunda {

struct Game;

// The game's files in its program folder (Game::AppPath): the saved hand, the run-data ring
// and the score file.
class FileGameStore : public GameStore {
 public:
  SaveResult SaveHand(const Game& g) override;
  RestoreResult RestoreHand(Game& g) override;
  SaveResult WriteRunData(const Game& g, int slot) override;
  SaveResult SaveScores(const Game& g) override;
  SaveResult KeepHand(const Game& g) override;

  // The simulator plays thousands of hands a second and keeps none of them.
  bool KeepsHistory = true;
};

// Makes the game use the store for its files and tell the deal whether a saved hand exists.
void InstallFileStore(Game& g, FileGameStore& store);

}  // namespace zunda

#include "store/file_game_store.h"

#include <QString>

#include "core/game.h"
#include "store/file_system.h"
#include "store/hand_history.h"
#include "store/program_folder.h"
#include "store/score_file.h"
#include "store/snapshot.h"

namespace zunda {

SaveResult FileGameStore::SaveHand(const Game& g) {
  return WriteSnapshot(g, g.AppPath, kSavedHandsFile, kSavedStateFile);
}

RestoreResult FileGameStore::RestoreHand(Game& g) {
  return ReadSavedHand(g, g.AppPath);
}

SaveResult FileGameStore::WriteRunData(const Game& g, int slot) {
  return WriteSnapshot(g, g.AppPath, RunDataHandsFile(slot), RunDataStateFile(slot));
}

SaveResult FileGameStore::SaveScores(const Game& g) {
  return SaveScoreFile(g);
}

SaveResult FileGameStore::KeepHand(const Game& g) {
  if (!KeepsHistory) return {};
  return KeepInHistory(g.AppPath, g.Record);
}

void InstallFileStore(Game& g, FileGameStore& store) {
  g.Store = &store;
  g.SavedHandExists = [&g] {
    return Files().Stamp(QString::fromStdString(ProgramFile(g, kSavedStateFile))).has_value();
  };
}

}  // namespace zunda

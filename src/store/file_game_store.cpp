#include "store/file_game_store.h"

#include <QFileInfo>

#include "core/game.h"
#include "store/program_folder.h"
#include "store/score_file.h"
#include "store/snapshot.h"

namespace zunda {

bool FileGameStore::SaveHand(const Game& g) {
  return WriteSnapshot(g, g.AppPath, kSavedHandsFile, kSavedStateFile);
}

RestoreOutcome FileGameStore::RestoreHand(Game& g) {
  return ReadSavedHand(g, g.AppPath);
}

void FileGameStore::WriteRunData(const Game& g, int slot) {
  WriteSnapshot(g, g.AppPath, RunDataHandsFile(slot), RunDataStateFile(slot));
}

void FileGameStore::SaveScores(const Game& g) {
  SaveScoreFile(g);
}

void InstallFileStore(Game& g, FileGameStore& store) {
  g.Store = &store;
  g.SavedHandExists = [&g] {
    return QFileInfo::exists(QString::fromStdString(ProgramFile(g, kSavedStateFile)));
  };
}

}  // namespace zunda

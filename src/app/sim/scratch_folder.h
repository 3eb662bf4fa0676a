#pragma once

#include <QTemporaryDir>
#include <string>

namespace zunda::sim {

// A fresh folder for every file a simulated game writes, removed when the run ends: the program
// folder (the score file) and, beside it, the folder the save-and-restore points save into,
// which must not be the program folder since a saved hand there shows in the menu. It lies on
// /dev/shm when that is writable, as every save is flushed and a disk would make that slow.
class ScratchFolder {
 public:
  ScratchFolder();

  bool Valid() const { return valid_; }
  // Why the folder could not be made, when it is not valid.
  std::string Problem() const;
  std::string ProgramFolder() const { return root_ + "/program"; }
  std::string SnapshotFolder() const { return root_ + "/saved"; }

 private:
  QTemporaryDir dir_;
  std::string root_;
  bool valid_ = false;
};

}  // namespace zunda::sim

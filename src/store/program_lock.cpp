#include "store/program_lock.h"

#include <QLockFile>
#include <QString>

#include "store/program_folder.h"

namespace zunda {

ProgramLock::ProgramLock(const std::string& programFolder)
    : lock_(std::make_unique<QLockFile>(
          QString::fromStdString(ResolveNoCase(MakeAppPath(programFolder), kLockFileName)))) {
  // A running copy may hold the lock for days; only a dead owner makes it stale.
  lock_->setStaleLockTime(0);
}

ProgramLock::~ProgramLock() = default;

bool ProgramLock::HeldByAnotherCopy() {
  if (lock_->isLocked()) return false;
  if (lock_->tryLock(0)) return false;
  return lock_->error() == QLockFile::LockFailedError;
}

}  // namespace zunda

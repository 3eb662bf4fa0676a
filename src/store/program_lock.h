#pragma once

#include <memory>
#include <string>

class QLockFile;

namespace zunda {

// One running copy per program folder: a lock file in the folder, held for the life of this
// object. A lock left behind by a copy that crashed does not count.
class ProgramLock {
 public:
  explicit ProgramLock(const std::string& programFolder);
  ~ProgramLock();
  ProgramLock(const ProgramLock&) = delete;
  ProgramLock& operator=(const ProgramLock&) = delete;

  // Takes the lock unless another running copy holds it; true in that case only. When the
  // folder does not allow a lock file at all, no second copy can be detected and the answer
  // is false.
  bool HeldByAnotherCopy();

 private:
  std::unique_ptr<QLockFile> lock_;
};

inline constexpr const char* kLockFileName = "Zunda.lock";

}  // namespace zunda

#pragma once

#include <string>

namespace zunda {

// Why a file could not be written.
enum class WriteFault {
  None,
  DiskFull,
  NoPermission,  // the folder or the file may not be written
  FolderMissing,
  Other,  // Detail holds the system's own words
};

// The outcome of writing a file the program keeps. A write that fails leaves the file on disk
// as it was before.
struct SaveResult {
  WriteFault Fault = WriteFault::None;
  std::string File;    // the file that could not be written, as a full path
  std::string Detail;  // the system's description of the failure, when it gave one
  bool Ok() const { return Fault == WriteFault::None; }
};

}  // namespace zunda

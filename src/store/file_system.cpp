#include "store/file_system.h"

#include "store/disk_file_system.h"

namespace zunda {

namespace {

FileSystem*& Installed() {
  static FileSystem* installed = nullptr;
  return installed;
}

}  // namespace

FileSystem& Files() {
  FileSystem* installed = Installed();
  if (installed != nullptr) return *installed;
  static DiskFileSystem disk;
  return disk;
}

ScopedFileSystem::ScopedFileSystem(FileSystem& files) : previous_(Installed()) {
  Installed() = &files;
}

ScopedFileSystem::~ScopedFileSystem() {
  Installed() = previous_;
}

}  // namespace zunda

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "core/save_result.h"

namespace zunda {

// What the INI storage remembers of a file to notice that it changed: its size and a time
// (or counter) that moves with every change.
struct FileStamp {
  qint64 Size = 0;
  qint64 Changed = 0;
  // False when the file carries no write permission: such a file keeps its contents.
  bool Writable = true;
  bool operator==(const FileStamp&) const = default;
};

// A file being written. Its bytes take the place of the target only at Commit; destroyed
// without a successful Commit it leaves the target as it was.
class NewFile {
 public:
  virtual ~NewFile() = default;
  // False when not every byte could be written.
  virtual bool Write(QByteArrayView bytes) = 0;
  // Flushes, syncs to the disk and puts the file in place; false when any of it failed.
  virtual bool Commit() = 0;
  // Why the last Write or Commit failed.
  virtual SaveResult Error() const = 0;
};

// Every file access of the storage goes through this, so that tests can put a disk that
// fills up, a folder that refuses new files, a rename that fails or a process that dies
// between two steps under every writer. Paths are full paths with '/'.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The bytes of the file; nothing when it is missing, unreadable or larger than limit.
  virtual std::optional<QByteArray> Read(const QString& path, qint64 limit) = 0;
  // Nothing when there is no such file.
  virtual std::optional<FileStamp> Stamp(const QString& path) = 0;
  virtual bool IsFolder(const QString& path) = 0;
  // The names of the files and folders in folder, in no set order; none when it is missing.
  virtual QStringList Entries(const QString& folder) = 0;
  // A new file beside path that replaces it whole at Commit. Null when it cannot be made
  // (a missing or read-only folder); error says why.
  virtual std::unique_ptr<NewFile> CreateBeside(const QString& path, SaveResult& error) = 0;
  // Writes into the existing file itself: its old contents are gone from the first Write on.
  // Only for a folder that refuses new files but holds writable ones; the caller keeps the
  // old contents elsewhere first.
  virtual std::unique_ptr<NewFile> OpenInPlace(const QString& path, SaveResult& error) = 0;
  // Renames from to to, replacing to when it exists.
  virtual SaveResult Rename(const QString& from, const QString& to) = 0;
  virtual SaveResult Remove(const QString& path) = 0;
  virtual SaveResult MakeFolder(const QString& path) = 0;
  // A folder of this user's, away from the program folder, where the old contents of files
  // being written in place wait until the new ones are complete.
  virtual QString SpareFolder() = 0;
};

// The file system the storage uses: the real disk, unless a test put another in place.
FileSystem& Files();

// Puts a file system in place of the real disk for its own lifetime (tests, tools).
class ScopedFileSystem {
 public:
  explicit ScopedFileSystem(FileSystem& files);
  ~ScopedFileSystem();
  ScopedFileSystem(const ScopedFileSystem&) = delete;
  ScopedFileSystem& operator=(const ScopedFileSystem&) = delete;

 private:
  FileSystem* previous_;
};

}  // namespace zunda

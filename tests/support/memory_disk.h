#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "store/file_system.h"

namespace zunda::testing {

// A disk in memory that fails the way real ones do, for writers tried at every byte and
// every step: it fills up, its folders may refuse new files, its renames may be refused, and
// it can stop changing at once, as the disk of a process that was killed.
class MemoryDisk final : public FileSystem {
 public:
  MemoryDisk();

  void AddFolder(const QString& path);
  void Put(const QString& path, const QByteArray& bytes, bool writable = true);
  std::optional<QByteArray> Get(const QString& path) const;
  // Every file and its bytes.
  std::map<QString, QByteArray> Contents() const;
  int ReadsOf(const QString& path) const;
  qint64 Used() const;
  // Bytes written into files so far.
  qint64 Written() const { return written_; }

  // Bytes all files may hold together; unset for no limit.
  std::optional<qint64> capacity;
  // Folders that take no new file, rename or removal; their files may still be written in place.
  std::set<QString> lockedFolders;
  bool refuseRenames = false;
  // The process is gone: nothing changes from now on, not even what an unfinished write would
  // tidy away.
  void Freeze() { frozen_ = true; }
  // A new process finds the disk as the killed one left it.
  void Restart() { frozen_ = false; }

  std::optional<QByteArray> Read(const QString& path, qint64 limit) override;
  std::optional<FileStamp> Stamp(const QString& path) override;
  bool IsFolder(const QString& path) override;
  QStringList Entries(const QString& folder) override;
  std::unique_ptr<NewFile> CreateBeside(const QString& path, SaveResult& error) override;
  std::unique_ptr<NewFile> OpenInPlace(const QString& path, SaveResult& error) override;
  SaveResult Rename(const QString& from, const QString& to) override;
  SaveResult Remove(const QString& path) override;
  SaveResult MakeFolder(const QString& path) override;
  QString SpareFolder() override { return QStringLiteral("/spare"); }

 private:
  friend class MemoryNewFile;
  struct File {
    QByteArray bytes;
    qint64 version = 0;
    bool writable = true;
  };
  SaveResult Refusal(const QString& path) const;
  // Appends as much as there is room for; false when not all of it fitted.
  bool Append(const QString& path, QByteArrayView bytes);

  std::map<QString, File> files_;
  std::set<QString> folders_;
  std::map<QString, int> reads_;
  qint64 clock_ = 0;
  int temporaries_ = 0;
  qint64 written_ = 0;
  bool frozen_ = false;
};

// Another file system with a call before every step that changes the disk (making, writing
// half of the bytes, the other half, committing, renaming, removing), so that a test can end
// the process between any two of them.
class SteppedFiles final : public FileSystem {
 public:
  SteppedFiles(FileSystem& inner, std::function<void()> beforeStep)
      : inner_(inner), beforeStep_(std::move(beforeStep)) {}

  std::optional<QByteArray> Read(const QString& path, qint64 limit) override {
    return inner_.Read(path, limit);
  }
  std::optional<FileStamp> Stamp(const QString& path) override { return inner_.Stamp(path); }
  bool IsFolder(const QString& path) override { return inner_.IsFolder(path); }
  QStringList Entries(const QString& folder) override { return inner_.Entries(folder); }
  std::unique_ptr<NewFile> CreateBeside(const QString& path, SaveResult& error) override;
  std::unique_ptr<NewFile> OpenInPlace(const QString& path, SaveResult& error) override;
  SaveResult Rename(const QString& from, const QString& to) override {
    beforeStep_();
    return inner_.Rename(from, to);
  }
  SaveResult Remove(const QString& path) override {
    beforeStep_();
    return inner_.Remove(path);
  }
  SaveResult MakeFolder(const QString& path) override {
    beforeStep_();
    return inner_.MakeFolder(path);
  }
  QString SpareFolder() override { return inner_.SpareFolder(); }

 private:
  FileSystem& inner_;
  std::function<void()> beforeStep_;
};

}  // namespace zunda::testing

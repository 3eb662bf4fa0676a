#pragma once

#include "store/file_system.h"

namespace zunda {

// The real disk: QSaveFile for every new file, checked at every step (open, each write,
// flush, sync, commit), because on Qt 6.4 a commit after a failed write can still report
// success and leave the target cut short or empty.
class DiskFileSystem final : public FileSystem {
 public:
  // spareFolder empty: a folder in this user's cache location.
  explicit DiskFileSystem(QString spareFolder = {});

  std::optional<QByteArray> Read(const QString& path, qint64 limit) override;
  std::optional<FileStamp> Stamp(const QString& path) override;
  bool IsFolder(const QString& path) override;
  QStringList Entries(const QString& folder) override;
  std::unique_ptr<NewFile> CreateBeside(const QString& path, SaveResult& error) override;
  std::unique_ptr<NewFile> OpenInPlace(const QString& path, SaveResult& error) override;
  SaveResult Rename(const QString& from, const QString& to) override;
  SaveResult Remove(const QString& path) override;
  SaveResult MakeFolder(const QString& path) override;
  QString SpareFolder() override;

 private:
  QString spareFolder_;
};

}  // namespace zunda

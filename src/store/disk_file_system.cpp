#include "store/disk_file_system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zunda {

namespace {

// What went wrong, from the error number the failing call left and from the folder itself:
// a folder that is gone or cannot be written says more than the number.
SaveResult Diagnose(const QString& path, int error, const QString& words, qint64 needed = 0) {
  SaveResult result{WriteFault::Other, path.toStdString(), words.toStdString()};
  const QString folder = QFileInfo(path).absolutePath();
  if (!QFileInfo(folder).isDir()) {
    result.Fault = WriteFault::FolderMissing;
  } else if (error == ENOSPC || error == EDQUOT) {
    result.Fault = WriteFault::DiskFull;
  } else if (error == EACCES || error == EPERM || error == EROFS ||
             !QFileInfo(folder).isWritable()) {
    result.Fault = WriteFault::NoPermission;
  } else if (needed > 0) {
    const qint64 room = QStorageInfo(folder).bytesAvailable();
    if (room >= 0 && room < needed) result.Fault = WriteFault::DiskFull;
  }
  return result;
}

class DiskNewFile final : public NewFile {
 public:
  DiskNewFile(const QString& path, bool inPlace) : file_(path) {
    file_.setDirectWriteFallback(inPlace);
  }

  bool Open(SaveResult& error) {
    errno = 0;
    if (file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return true;
    error = Diagnose(file_.fileName(), errno, file_.errorString());
    return false;
  }

  bool Write(QByteArrayView bytes) override {
    if (failed_) return false;
    // Unbuffered, so that a full disk shows in this call and not only at the commit.
    errno = 0;
    if (file_.write(bytes.data(), bytes.size()) == bytes.size()) return true;
    return Fail(errno, bytes.size());
  }

  bool Commit() override {
    if (failed_) return false;
    errno = 0;
    if (!file_.flush() || file_.error() != QFileDevice::NoError) return Fail(errno);
    if (::fsync(file_.handle()) != 0) return Fail(errno);
    if (!file_.commit()) return Fail(errno);
    return true;
  }

  SaveResult Error() const override { return error_; }

 private:
  bool Fail(int error, qint64 needed = 0) {
    failed_ = true;
    error_ = Diagnose(file_.fileName(), error, file_.errorString(), needed);
    // Without this a later commit would put the short file in place.
    file_.cancelWriting();
    return false;
  }

  QSaveFile file_;
  bool failed_ = false;
  SaveResult error_;
};

std::unique_ptr<NewFile> OpenNewFile(const QString& path, bool inPlace, SaveResult& error) {
  auto file = std::make_unique<DiskNewFile>(path, inPlace);
  if (!file->Open(error)) return nullptr;
  return file;
}

qint64 Nanoseconds(const struct timespec& time) {
  return static_cast<qint64>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

}  // namespace

DiskFileSystem::DiskFileSystem(QString spareFolder) : spareFolder_(std::move(spareFolder)) {}

std::optional<QByteArray> DiskFileSystem::Read(const QString& path, qint64 limit) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > limit) return std::nullopt;
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return bytes;
}

std::optional<FileStamp> DiskFileSystem::Stamp(const QString& path) {
  struct stat info {};
  const QByteArray name = QFile::encodeName(path);
  if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  FileStamp stamp;
  stamp.Size = static_cast<qint64>(info.st_size);
  // A file replaced by a rename is a new inode; an edit moves the modification time.
  stamp.Changed = Nanoseconds(info.st_mtim) ^ (Nanoseconds(info.st_ctim) << 1) ^
                  (static_cast<qint64>(info.st_ino) << 17);
  // A file without write bits keeps its contents even for a user whom permissions do not bind.
  stamp.Writable = (info.st_mode & 0222) != 0 && ::access(name.constData(), W_OK) == 0;
  return stamp;
}

bool DiskFileSystem::IsFolder(const QString& path) {
  return QFileInfo(path).isDir();
}

QStringList DiskFileSystem::Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                QDir::NoDotAndDotDot);
}

std::unique_ptr<NewFile> DiskFileSystem::CreateBeside(const QString& path, SaveResult& error) {
  return OpenNewFile(path, false, error);
}

std::unique_ptr<NewFile> DiskFileSystem::OpenInPlace(const QString& path, SaveResult& error) {
  return OpenNewFile(path, true, error);
}

SaveResult DiskFileSystem::Rename(const QString& from, const QString& to) {
  // QFile::rename never replaces an existing file; the system's rename does, in one step.
  if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0) {
    return {};
  }
  const int error = errno;
  return Diagnose(to, error, QString::fromLocal8Bit(std::strerror(error)));
}

SaveResult DiskFileSystem::Remove(const QString& path) {
  if (::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT) return {};
  const int error = errno;
  return Diagnose(path, error, QString::fromLocal8Bit(std::strerror(error)));
}

SaveResult DiskFileSystem::MakeFolder(const QString& path) {
  if (QDir().mkpath(path)) return {};
  const int error = errno;
  return Diagnose(path, error, QString::fromLocal8Bit(std::strerror(error)));
}

QString DiskFileSystem::SpareFolder() {
  if (spareFolder_.isEmpty()) {
    spareFolder_ = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                   QStringLiteral("/zunda/unfinished-writes");
  }
  return spareFolder_;
}

}  // namespace zunda

#include "memory_disk.h"

#include <QFileInfo>
#include <algorithm>

#include "store/safe_write.h"

namespace zunda::testing {

class MemoryNewFile final : public NewFile {
 public:
  MemoryNewFile(MemoryDisk& disk, QString target, QString written, bool inPlace)
      : disk_(disk), target_(std::move(target)), written_(std::move(written)), inPlace_(inPlace) {}
  ~MemoryNewFile() override {
    if (!done_ && !inPlace_ && !disk_.frozen_) disk_.files_.erase(written_);
  }

  bool Write(QByteArrayView bytes) override {
    if (failed_ || disk_.frozen_) return false;
    if (disk_.Append(written_, bytes)) return true;
    failed_ = true;
    error_ = {WriteFault::DiskFull, target_.toStdString(), "no space left"};
    return false;
  }

  bool Commit() override {
    if (failed_ || disk_.frozen_) return false;
    done_ = true;
    if (inPlace_) return true;
    error_ = disk_.Rename(written_, target_);
    if (!error_.Ok()) disk_.files_.erase(written_);
    return error_.Ok();
  }

  SaveResult Error() const override { return error_; }

 private:
  MemoryDisk& disk_;
  QString target_;
  QString written_;
  bool inPlace_;
  bool done_ = false;
  bool failed_ = false;
  SaveResult error_;
};

MemoryDisk::MemoryDisk() {
  folders_.insert(QStringLiteral("/"));
}

void MemoryDisk::AddFolder(const QString& path) {
  for (QString folder = path; folder != QStringLiteral("/") && !folder.isEmpty();
       folder = FolderOf(folder)) {
    folders_.insert(folder);
  }
}

void MemoryDisk::Put(const QString& path, const QByteArray& bytes, bool writable) {
  AddFolder(FolderOf(path));
  files_[path] = {bytes, ++clock_, writable};
}

std::optional<QByteArray> MemoryDisk::Get(const QString& path) const {
  const auto found = files_.find(path);
  if (found == files_.end()) return std::nullopt;
  return found->second.bytes;
}

std::map<QString, QByteArray> MemoryDisk::Contents() const {
  std::map<QString, QByteArray> contents;
  for (const auto& [path, file] : files_)
    contents[path] = file.bytes;
  return contents;
}

int MemoryDisk::ReadsOf(const QString& path) const {
  const auto found = reads_.find(path);
  return found == reads_.end() ? 0 : found->second;
}

qint64 MemoryDisk::Used() const {
  qint64 used = 0;
  for (const auto& entry : files_)
    used += entry.second.bytes.size();
  return used;
}

SaveResult MemoryDisk::Refusal(const QString& path) const {
  const QString folder = FolderOf(path);
  if (!folders_.count(folder)) return {WriteFault::FolderMissing, path.toStdString(), {}};
  if (lockedFolders.count(folder)) return {WriteFault::NoPermission, path.toStdString(), {}};
  return {};
}

bool MemoryDisk::Append(const QString& path, QByteArrayView bytes) {
  qint64 room = bytes.size();
  if (capacity) room = std::clamp<qint64>(*capacity - Used(), 0, bytes.size());
  File& file = files_[path];
  file.bytes.append(bytes.first(room));
  file.version = ++clock_;
  written_ += room;
  return room == bytes.size();
}

std::optional<QByteArray> MemoryDisk::Read(const QString& path, qint64 limit) {
  ++reads_[path];
  const auto found = files_.find(path);
  if (found == files_.end() || found->second.bytes.size() > limit) return std::nullopt;
  return found->second.bytes;
}

std::optional<FileStamp> MemoryDisk::Stamp(const QString& path) {
  const auto found = files_.find(path);
  if (found == files_.end()) return std::nullopt;
  return FileStamp{found->second.bytes.size(), found->second.version, found->second.writable};
}

bool MemoryDisk::IsFolder(const QString& path) {
  return folders_.count(path) > 0;
}

QStringList MemoryDisk::Entries(const QString& folder) {
  QStringList names;
  const auto add = [&](const QString& path) {
    if (path != folder && FolderOf(path) == folder) names.append(QFileInfo(path).fileName());
  };
  for (const auto& entry : files_)
    add(entry.first);
  for (const QString& path : folders_)
    add(path);
  return names;
}

std::unique_ptr<NewFile> MemoryDisk::CreateBeside(const QString& path, SaveResult& error) {
  if (frozen_) return nullptr;
  error = Refusal(path);
  if (!error.Ok()) return nullptr;
  const QString written = path + QStringLiteral(".~") + QString::number(++temporaries_);
  files_[written] = {{}, ++clock_, true};
  return std::make_unique<MemoryNewFile>(*this, path, written, false);
}

std::unique_ptr<NewFile> MemoryDisk::OpenInPlace(const QString& path, SaveResult& error) {
  if (frozen_) return nullptr;
  const auto found = files_.find(path);
  if (found == files_.end() || !found->second.writable) {
    error = {WriteFault::NoPermission, path.toStdString(), {}};
    return nullptr;
  }
  found->second.bytes.clear();
  found->second.version = ++clock_;
  return std::make_unique<MemoryNewFile>(*this, path, path, true);
}

SaveResult MemoryDisk::Rename(const QString& from, const QString& to) {
  if (frozen_) return {WriteFault::Other, to.toStdString(), "gone"};
  for (const QString& path : {from, to}) {
    SaveResult refused = Refusal(path);
    if (!refused.Ok()) return refused;
  }
  const auto found = files_.find(from);
  if (refuseRenames || found == files_.end()) {
    return {WriteFault::Other, to.toStdString(), "rename refused"};
  }
  File moved = found->second;
  files_.erase(found);
  moved.version = ++clock_;
  files_[to] = moved;
  return {};
}

SaveResult MemoryDisk::Remove(const QString& path) {
  if (frozen_ || !files_.count(path)) return {};
  SaveResult refused = Refusal(path);
  if (!refused.Ok()) return refused;
  files_.erase(path);
  return {};
}

SaveResult MemoryDisk::MakeFolder(const QString& path) {
  if (folders_.count(path)) return {};
  SaveResult refused = Refusal(path);
  if (!refused.Ok()) return refused;
  folders_.insert(path);
  return {};
}

namespace {

class SteppedNewFile final : public NewFile {
 public:
  SteppedNewFile(std::unique_ptr<NewFile> inner, const std::function<void()>& beforeStep)
      : inner_(std::move(inner)), beforeStep_(beforeStep) {}

  bool Write(QByteArrayView bytes) override {
    const qsizetype half = bytes.size() / 2;
    beforeStep_();
    if (!inner_->Write(bytes.first(half))) return false;
    beforeStep_();
    return inner_->Write(bytes.sliced(half));
  }
  bool Commit() override {
    beforeStep_();
    return inner_->Commit();
  }
  SaveResult Error() const override { return inner_->Error(); }

 private:
  std::unique_ptr<NewFile> inner_;
  const std::function<void()>& beforeStep_;
};

}  // namespace

std::unique_ptr<NewFile> SteppedFiles::CreateBeside(const QString& path, SaveResult& error) {
  beforeStep_();
  std::unique_ptr<NewFile> file = inner_.CreateBeside(path, error);
  if (!file) return nullptr;
  return std::make_unique<SteppedNewFile>(std::move(file), beforeStep_);
}

std::unique_ptr<NewFile> SteppedFiles::OpenInPlace(const QString& path, SaveResult& error) {
  beforeStep_();
  std::unique_ptr<NewFile> file = inner_.OpenInPlace(path, error);
  if (!file) return nullptr;
  return std::make_unique<SteppedNewFile>(std::move(file), beforeStep_);
}

}  // namespace zunda::testing

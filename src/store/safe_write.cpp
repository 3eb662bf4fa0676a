#include "store/safe_write.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include "store/file_system.h"

namespace zunda {

namespace {

// The largest file the program writes in place is a long option file; a spare file holds the
// old contents of all files of one such write.
constexpr qint64 kSpareLimit = qint64{512} * 1024 * 1024;
constexpr char kSpareMark[] = "ZUNDA SPARE 1\n";
constexpr char kSpareEnd[] = "END\n";

// One spare file per folder: the program writes its folder's files one operation at a time
// (a second copy in the same folder is refused at start-up).
QString SparePath(const QString& folder) {
  const QByteArray key = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1);
  return Files().SpareFolder() + QLatin1Char('/') + QString::fromLatin1(key.toHex()) +
         QStringLiteral(".spare");
}

QByteArray EncodeSpare(const FileContents& files) {
  QByteArray spare = kSpareMark;
  for (const auto& [path, bytes] : files) {
    spare += path.toUtf8().toHex() + '\n' + QByteArray::number(bytes.size()) + '\n';
    spare += bytes;
    spare += '\n';
  }
  return spare + kSpareEnd;
}

std::optional<FileContents> DecodeSpare(const QByteArray& spare) {
  if (!spare.startsWith(kSpareMark)) return std::nullopt;
  FileContents files;
  qsizetype at = qsizetype(sizeof kSpareMark) - 1;
  const auto line = [&]() -> std::optional<QByteArray> {
    const qsizetype end = spare.indexOf('\n', at);
    if (end < 0) return std::nullopt;
    QByteArray text = spare.mid(at, end - at);
    at = end + 1;
    return text;
  };
  while (spare.mid(at) != kSpareEnd) {
    const std::optional<QByteArray> name = line();
    const std::optional<QByteArray> size = line();
    if (!name || !size) return std::nullopt;
    bool number = false;
    const qsizetype length = size->toLongLong(&number);
    if (!number || length < 0 || at + length + 1 > spare.size() || spare[at + length] != '\n') {
      return std::nullopt;
    }
    files.emplace_back(QString::fromUtf8(QByteArray::fromHex(*name)), spare.mid(at, length));
    at += length + 1;
  }
  return files;
}

// The bytes into a file the layer opened; `refused` says why when it opened none.
SaveResult Fill(const std::unique_ptr<NewFile>& file, const SaveResult& refused,
                const QByteArray& bytes) {
  if (!file) return refused;
  if (file->Write(bytes) && file->Commit()) return {};
  return file->Error();
}

SaveResult WriteNew(const QString& path, const QByteArray& bytes) {
  SaveResult refused;
  const std::unique_ptr<NewFile> file = Files().CreateBeside(path, refused);
  return Fill(file, refused, bytes);
}

SaveResult WriteOver(const QString& path, const QByteArray& bytes) {
  SaveResult refused;
  const std::unique_ptr<NewFile> file = Files().OpenInPlace(path, refused);
  return Fill(file, refused, bytes);
}

// Writes each file over its old contents; stops at the first failure.
SaveResult WriteAllOver(const FileContents& files, std::size_t& written) {
  for (written = 0; written < files.size(); ++written) {
    SaveResult result = WriteOver(files[written].first, files[written].second);
    if (!result.Ok()) return result;
  }
  return {};
}

}  // namespace

QString FolderOf(const QString& path) {
  return QFileInfo(path).path();
}

SaveResult ReplaceFile(const QString& path, const QByteArray& bytes) {
  RecoverUnfinishedWrites(FolderOf(path));
  const std::optional<FileStamp> stamp = Files().Stamp(path);
  if (stamp && !stamp->Writable) {
    return {WriteFault::NoPermission, path.toStdString(), "read-only file"};
  }
  SaveResult refused;
  if (const std::unique_ptr<NewFile> file = Files().CreateBeside(path, refused)) {
    return Fill(file, refused, bytes);
  }
  if (refused.Fault != WriteFault::NoPermission || !stamp) return refused;
  SaveResult inPlace = WriteInPlace({{path, bytes}});
  if (inPlace.Ok() || inPlace.Fault != WriteFault::DiskFull) {
    // When the old contents could not be kept aside, the folder's refusal is what the player
    // must hear about.
    return inPlace.Ok() ? inPlace : refused;
  }
  inPlace.File = path.toStdString();
  return inPlace;
}

SaveResult WriteInPlace(const FileContents& files) {
  if (files.empty()) return {};
  const QString folder = FolderOf(files.front().first);
  RecoverUnfinishedWrites(folder);
  FileContents old;
  for (const auto& [path, bytes] : files) {
    std::optional<QByteArray> contents = Files().Read(path, kSpareLimit);
    if (!contents) return {WriteFault::NoPermission, path.toStdString(), "cannot be read"};
    old.emplace_back(path, std::move(*contents));
  }
  SaveResult spareFolder = Files().MakeFolder(Files().SpareFolder());
  if (!spareFolder.Ok()) return spareFolder;
  const QString spare = SparePath(folder);
  SaveResult kept = WriteNew(spare, EncodeSpare(old));
  if (!kept.Ok()) return kept;

  std::size_t written = 0;
  SaveResult result = WriteAllOver(files, written);
  if (result.Ok()) {
    Files().Remove(spare);
    return {};
  }
  // The file that failed may be half written: it goes back with the ones before it.
  const FileContents touched(old.begin(), old.begin() + static_cast<std::ptrdiff_t>(written + 1));
  std::size_t restored = 0;
  if (WriteAllOver(touched, restored).Ok()) Files().Remove(spare);
  return result;
}

void RecoverUnfinishedWrites(const QString& folder) {
  const QString spare = SparePath(folder);
  if (!Files().Stamp(spare)) return;
  const std::optional<QByteArray> bytes = Files().Read(spare, kSpareLimit);
  if (!bytes) return;
  const std::optional<FileContents> files = DecodeSpare(*bytes);
  // A spare that cannot be read is left for a person to look at rather than thrown away.
  if (!files) return;
  for (const auto& entry : *files) {
    if (FolderOf(entry.first) != folder) return;
  }
  std::size_t restored = 0;
  if (WriteAllOver(*files, restored).Ok()) Files().Remove(spare);
}

std::optional<QString> SetAside(const QString& path, SaveResult& error) {
  const QFileInfo info(path);
  const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
  for (int n = 1; n < 1000; ++n) {
    const QString name =
        info.completeBaseName() + QStringLiteral("-damaged-") + QString::number(n) + suffix;
    const QString target = info.path() + QLatin1Char('/') + name;
    if (Files().Stamp(target) || Files().IsFolder(target)) continue;
    error = Files().Rename(path, target);
    if (!error.Ok()) return std::nullopt;
    return target;
  }
  error = {WriteFault::Other, path.toStdString(), "no free name"};
  return std::nullopt;
}

}  // namespace zunda

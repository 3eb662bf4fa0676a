#include "store/ini_file.h"

#include <QHash>
#include <QString>
#include <memory>
#include <mutex>
#include <optional>

#include "store/file_system.h"
#include "store/ini_document.h"
#include "store/program_folder.h"
#include "store/safe_write.h"

namespace zunda {

namespace {

// Larger files are taken for something other than settings and left alone.
constexpr qint64 kLargestIniFile = qint64{256} * 1024 * 1024;

QString FromUtf8(std::string_view text) {
  // The platform functions take C strings: a NUL ends the text; a line break would split the
  // line and let a value forge further keys, so it is written as a blank.
  text = text.substr(0, text.find('\0'));
  QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  result.replace(QLatin1Char('\r'), QLatin1Char(' '));
  result.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return result;
}

QString PathOf(const std::string& path) {
  return QString::fromStdString(ResolveFileNoCase(path));
}

// What a file holds, as far as the INI storage is concerned.
struct Loaded {
  std::shared_ptr<const IniDocument> document;
  classIniFile::FileState state = classIniFile::FileState::Missing;
};

// The files read so far, each until its stamp moves. One lock for all: the storage is used
// from the window's thread, and the lock only guards against a stray second thread.
class IniCache {
 public:
  Loaded Load(const QString& path) {
    Forget(&Files() != owner_);
    std::optional<FileStamp> stamp = Files().Stamp(path);
    if (stamp) {
      const auto known = files_.constFind(path);
      if (known != files_.constEnd() && known->stamp == *stamp) return Result(known->document);
      // A write in place that a previous run did not finish is undone before anything reads
      // the file.
      RecoverUnfinishedWrites(FolderOf(path));
      stamp = Files().Stamp(path);
    }
    files_.remove(path);
    if (!stamp) return {Empty(), classIniFile::FileState::Missing};
    std::optional<QByteArray> bytes = Files().Read(path, kLargestIniFile);
    if (!bytes) return {Empty(), classIniFile::FileState::Unreadable};
    auto document = std::make_shared<const IniDocument>(std::move(*bytes));
    files_.insert(path, {*stamp, document});
    return Result(document);
  }

  // After a write of the program's own, the file is known without reading it back.
  void Store(const QString& path, QByteArray bytes) {
    const std::optional<FileStamp> stamp = Files().Stamp(path);
    files_.remove(path);
    if (stamp) files_.insert(path, {*stamp, std::make_shared<const IniDocument>(std::move(bytes))});
  }

  void Forget(bool all = true) {
    if (!all) return;
    files_.clear();
    owner_ = &Files();
  }

  std::mutex lock;

 private:
  struct Entry {
    FileStamp stamp;
    std::shared_ptr<const IniDocument> document;
  };

  static std::shared_ptr<const IniDocument> Empty() {
    static const auto empty = std::make_shared<const IniDocument>();
    return empty;
  }
  static Loaded Result(const std::shared_ptr<const IniDocument>& document) {
    return {document, classIniFile::FileState::Readable};
  }

  QHash<QString, Entry> files_;
  const FileSystem* owner_ = nullptr;
};

IniCache& Cache() {
  static IniCache cache;
  return cache;
}

// Writes the new contents of a file, or nothing when they are unchanged. A file that exists
// but cannot be read is never replaced: its contents are unknown, so nothing could keep them.
SaveResult Replace(const QString& path, const Loaded& loaded, std::optional<QByteArray> bytes) {
  if (loaded.state == classIniFile::FileState::Unreadable) {
    return {WriteFault::NoPermission, path.toStdString(), "cannot be read"};
  }
  if (!bytes) return {};
  SaveResult result = ReplaceFile(path, *bytes);
  if (result.Ok()) Cache().Store(path, std::move(*bytes));
  return result;
}

std::string ValueIn(const IniDocument& document, std::string_view section, std::string_view key) {
  const std::optional<QByteArrayView> stored =
      document.Value(FromUtf8(section).trimmed(), FromUtf8(key).trimmed());
  if (!stored) return {};
  const QByteArray cut =
      CutText(stored->trimmed().toByteArray(), kIniValueBytes, document.Encoding());
  QString value = Decode(cut, document.Encoding()).trimmed();
  value.remove(QChar(u'\0'));
  return value.toStdString();
}

}  // namespace

IniSnapshot::IniSnapshot(const classIniFile& file) : document_(file.Document()) {}

std::string IniSnapshot::GetIniKey(std::string_view strSection, std::string_view strKey) const {
  return ValueIn(*document_, strSection, strKey);
}

SaveResult classIniFile::WriteIniKey(std::string_view strSection, std::string_view strKey,
                                     std::string_view strValue) const {
  return WriteIniKeys(strSection, {{std::string(strKey), std::string(strValue)}});
}

SaveResult classIniFile::WriteIniKeys(std::string_view strSection, const IniKeys& keys) const {
  std::vector<KeyValue> entries;
  entries.reserve(keys.size());
  for (const auto& [key, value] : keys)
    entries.push_back({std::string(strSection), key, value});
  return WriteIniKeys(entries);
}

SaveResult classIniFile::WriteIniKeys(const std::vector<KeyValue>& entries) const {
  std::vector<IniDocument::KeyWrite> writes;
  for (const KeyValue& entry : entries) {
    QString key = FromUtf8(entry.Key).trimmed();
    if (!key.isEmpty()) {
      writes.push_back({FromUtf8(entry.Section).trimmed(), std::move(key), FromUtf8(entry.Value)});
    }
  }
  if (writes.empty()) return {};
  const QString path = PathOf(path_);
  const std::lock_guard<std::mutex> hold(Cache().lock);
  const Loaded loaded = Cache().Load(path);
  return Replace(path, loaded, loaded.document->WithKeys(writes));
}

std::string classIniFile::GetIniKey(std::string_view strSection, std::string_view strKey) const {
  return ValueIn(*Document(), strSection, strKey);
}

std::shared_ptr<const IniDocument> classIniFile::Document() const {
  const QString path = PathOf(path_);
  const std::lock_guard<std::mutex> hold(Cache().lock);
  return Cache().Load(path).document;
}

SaveResult classIniFile::DelIniKey(std::string_view SectionName, std::string_view KeyWord) const {
  const QString path = PathOf(path_);
  const std::lock_guard<std::mutex> hold(Cache().lock);
  const Loaded loaded = Cache().Load(path);
  return Replace(
      path, loaded,
      loaded.document->WithoutKey(FromUtf8(SectionName).trimmed(), FromUtf8(KeyWord).trimmed()));
}

SaveResult classIniFile::DelIniSec(std::string_view SectionName) const {
  const QString path = PathOf(path_);
  const std::lock_guard<std::mutex> hold(Cache().lock);
  const Loaded loaded = Cache().Load(path);
  return Replace(path, loaded, loaded.document->WithoutSection(FromUtf8(SectionName).trimmed()));
}

classIniFile::FileState classIniFile::State() const {
  const QString path = PathOf(path_);
  const std::lock_guard<std::mutex> hold(Cache().lock);
  const Loaded loaded = Cache().Load(path);
  if (loaded.state == FileState::Readable && !loaded.document->Clean()) return FileState::Damaged;
  return loaded.state;
}

void ForgetIniFiles() {
  const std::lock_guard<std::mutex> hold(Cache().lock);
  Cache().Forget();
}

}  // namespace zunda

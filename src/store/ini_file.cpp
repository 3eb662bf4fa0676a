#include "store/ini_file.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <optional>
#include <vector>

#include "store/gbk.h"
#include "store/program_folder.h"

namespace zunda {

namespace {

// The reader's buffer holds 1024 bytes, one of them the terminating NUL.
constexpr qsizetype kValueBytes = 1023;

using Lines = std::vector<QByteArray>;

QString FromUtf8(std::string_view text) {
  // The platform functions take C strings: a NUL ends the text; a line break would split the
  // line and let a value forge further keys, so it is written as a blank.
  text = text.substr(0, text.find('\0'));
  QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  result.replace(QLatin1Char('\r'), QLatin1Char(' '));
  result.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return result;
}

std::optional<QByteArray> ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll();
}

// The lines of the file without their line ends, as views into the content.
std::vector<QByteArrayView> LineViews(const QByteArray& content) {
  std::vector<QByteArrayView> lines;
  lines.reserve(static_cast<std::size_t>(content.count('\n')) + 1);
  qsizetype start = 0;
  while (start < content.size()) {
    qsizetype end = content.indexOf('\n', start);
    if (end < 0) end = content.size();
    QByteArrayView line(content.constData() + start, end - start);
    if (line.endsWith('\r')) line.chop(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

Lines SplitLines(const QByteArray& content) {
  Lines lines;
  for (QByteArrayView line : LineViews(content))
    lines.push_back(line.toByteArray());
  return lines;
}

// A read-only file keeps its contents, as on Windows, even for a user who could override the
// missing write permission.
bool IsReadOnly(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return false;
  const auto writeBits =
      QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
  return !info.isWritable() || (info.permissions() & writeBits) == 0;
}

void WriteLines(const QString& path, const Lines& lines) {
  QByteArray content;
  for (const QByteArray& line : lines) {
    content += line;
    content += "\r\n";
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return;
  if (file.write(content) != content.size()) {
    file.cancelWriting();
    return;
  }
  file.commit();
}

bool SameName(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The name of a section line ("[name]"), or nothing for any other line.
std::optional<QString> SectionOf(QByteArrayView line) {
  // Most lines are keys; one that starts with an ASCII character other than '[' is none
  // without decoding. A non-ASCII start may still decode to a blank, so that line is decoded.
  const QByteArrayView bytes = line.trimmed();
  if (bytes.isEmpty() ||
      (bytes.front() != '[' && static_cast<unsigned char>(bytes.front()) < 0x80)) {
    return std::nullopt;
  }
  const QString text = FromGbk(line).trimmed();
  if (!text.startsWith(QLatin1Char('['))) return std::nullopt;
  const qsizetype close = text.indexOf(QLatin1Char(']'));
  const qsizetype length = close < 0 ? -1 : close - 1;
  return text.mid(1, length).trimmed();
}

// Whether the line sets the key. '=' is never part of a double-byte GBK character, so the line
// can be split as bytes; blanks are ASCII, so the name can be trimmed as bytes too.
bool SetsKey(QByteArrayView line, const QString& key) {
  const qsizetype equals = line.indexOf('=');
  if (equals < 0) return false;
  const QByteArrayView name = line.first(equals).trimmed();
  const bool ascii = std::all_of(name.begin(), name.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) return QLatin1StringView(name).compare(key, Qt::CaseInsensitive) == 0;
  return SameName(FromGbk(name).trimmed(), key);
}

// Where a section and one of its keys sit in the file's lines.
struct Place {
  std::optional<std::size_t> header;  // the section line
  std::size_t end = 0;                // one past the section's last line
  std::optional<std::size_t> key;     // the key's line
};

// A reader stops at the key; a writer also needs the end of the section.
enum class Scan { ToSectionEnd, ToKey };

template <typename LineList>
Place Find(const LineList& lines, const QString& section, const std::optional<QString>& key,
           Scan scan = Scan::ToSectionEnd) {
  Place place;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::optional<QString> name = SectionOf(lines[i]);
    if (!place.header) {
      if (name && SameName(*name, section)) place.header = i;
      continue;
    }
    if (name) {
      place.end = i;
      return place;
    }
    if (key && !place.key && SetsKey(lines[i], *key)) {
      place.key = i;
      if (scan == Scan::ToKey) return place;
    }
  }
  place.end = lines.size();
  return place;
}

// One key written into the lines: replaced where it is, else appended to its section, else
// in a new section at the end.
void SetKey(Lines& lines, const QString& section, const QString& key, const QByteArray& value) {
  const Place place = Find(lines, section, key);
  if (place.key) {
    const QByteArray& old = lines[*place.key];
    lines[*place.key] = old.left(old.indexOf('=')).trimmed() + '=' + value;
  } else if (place.header) {
    // After the section's last non-blank line, so that blank lines keep separating sections.
    std::size_t at = place.end;
    while (at > *place.header + 1 && lines[at - 1].trimmed().isEmpty())
      --at;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), ToGbk(key) + '=' + value);
  } else {
    lines.push_back('[' + ToGbk(section) + ']');
    lines.push_back(ToGbk(key) + '=' + value);
  }
}

}  // namespace

void classIniFile::WriteIniKey(std::string_view strSection, std::string_view strKey,
                               std::string_view strValue) const {
  WriteIniKeys(strSection, {{std::string(strKey), std::string(strValue)}});
}

void classIniFile::WriteIniKeys(std::string_view strSection, const IniKeys& keys) const {
  std::vector<KeyValue> entries;
  entries.reserve(keys.size());
  for (const auto& [key, value] : keys)
    entries.push_back({std::string(strSection), key, value});
  WriteIniKeys(entries);
}

void classIniFile::WriteIniKeys(const std::vector<KeyValue>& entries) const {
  const QString path = QString::fromStdString(ResolveFileNoCase(path_));
  if (IsReadOnly(path)) return;
  struct Write {
    QString section;
    QString key;
    QByteArray value;
  };
  std::vector<Write> writes;
  for (const KeyValue& entry : entries) {
    const QString key = FromUtf8(entry.Key).trimmed();
    if (!key.isEmpty()) {
      writes.push_back({FromUtf8(entry.Section).trimmed(), key, ToGbk(FromUtf8(entry.Value))});
    }
  }
  if (writes.empty()) return;

  Lines lines;
  if (QFileInfo::exists(path)) {
    const std::optional<QByteArray> content = ReadFile(path);
    if (!content) return;
    lines = SplitLines(*content);
  }
  for (const Write& write : writes)
    SetKey(lines, write.section, write.key, write.value);
  WriteLines(path, lines);
}

std::string classIniFile::GetIniKey(std::string_view strSection, std::string_view strKey) const {
  const QString path = QString::fromStdString(ResolveFileNoCase(path_));
  const std::optional<QByteArray> content = ReadFile(path);
  if (!content) return {};
  const std::vector<QByteArrayView> lines = LineViews(*content);
  const Place place =
      Find(lines, FromUtf8(strSection).trimmed(), FromUtf8(strKey).trimmed(), Scan::ToKey);
  if (!place.key) return {};
  const QByteArrayView line = lines[*place.key];
  const QByteArray stored = line.sliced(line.indexOf('=') + 1).trimmed().toByteArray();
  QString value = FromGbk(CutGbk(stored, kValueBytes)).trimmed();
  value.remove(QChar(u'\0'));
  return value.toStdString();
}

void classIniFile::DelIniKey(std::string_view SectionName, std::string_view KeyWord) const {
  const QString path = QString::fromStdString(ResolveFileNoCase(path_));
  if (IsReadOnly(path)) return;
  const std::optional<QByteArray> content = ReadFile(path);
  if (!content) return;
  Lines lines = SplitLines(*content);
  const Place place = Find(lines, FromUtf8(SectionName).trimmed(), FromUtf8(KeyWord).trimmed());
  if (!place.key) return;
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*place.key));
  WriteLines(path, lines);
}

void classIniFile::DelIniSec(std::string_view SectionName) const {
  const QString path = QString::fromStdString(ResolveFileNoCase(path_));
  if (IsReadOnly(path)) return;
  const std::optional<QByteArray> content = ReadFile(path);
  if (!content) return;
  Lines lines = SplitLines(*content);
  const Place place = Find(lines, FromUtf8(SectionName).trimmed(), std::nullopt);
  if (!place.header) return;
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*place.header),
              lines.begin() + static_cast<std::ptrdiff_t>(place.end));
  WriteLines(path, lines);
}

}  // namespace zunda

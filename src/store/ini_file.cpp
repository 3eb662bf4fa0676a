#include "store/ini_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <optional>
#include <span>
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

Lines SplitLines(const QByteArray& content) {
  Lines lines;
  qsizetype start = 0;
  while (start < content.size()) {
    qsizetype end = content.indexOf('\n', start);
    if (end < 0) end = content.size();
    QByteArray line = content.mid(start, end - start);
    if (line.endsWith('\r')) line.chop(1);
    lines.push_back(line);
    start = end + 1;
  }
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

// The name of a section line ("[name]"), or nothing for any other line.
std::optional<QString> SectionOf(const QByteArray& line) {
  const QString text = FromGbk(line).trimmed();
  if (!text.startsWith(QLatin1Char('['))) return std::nullopt;
  const qsizetype close = text.indexOf(QLatin1Char(']'));
  const qsizetype length = close < 0 ? -1 : close - 1;
  return text.mid(1, length).trimmed();
}

// '=' is never part of a double-byte GBK character, so the line can be split as bytes.
std::optional<QString> KeyOf(const QByteArray& line) {
  const qsizetype equals = line.indexOf('=');
  if (equals < 0) return std::nullopt;
  return FromGbk(line.left(equals)).trimmed();
}

bool SameName(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where a section and one of its keys sit in the file's lines.
struct Place {
  std::optional<std::size_t> header;  // the section line
  std::size_t end = 0;                // one past the section's last line
  std::optional<std::size_t> key;     // the key's line
};

Place Find(const Lines& lines, const QString& section, const std::optional<QString>& key) {
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
    if (key && !place.key) {
      const std::optional<QString> lineKey = KeyOf(lines[i]);
      if (lineKey && SameName(*lineKey, *key)) place.key = i;
    }
  }
  place.end = lines.size();
  return place;
}

}  // namespace

namespace {

// One write applied to the lines in memory, exactly as a single write applies it to the file.
void ApplyWrite(Lines& lines, const IniWrite& write) {
  const QString section = FromUtf8(write.section);
  const QString key = FromUtf8(write.key).trimmed();
  if (key.isEmpty()) return;
  const QByteArray value = ToGbk(FromUtf8(write.value));

  const Place place = Find(lines, section.trimmed(), key);
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
    lines.push_back('[' + ToGbk(section.trimmed()) + ']');
    lines.push_back(ToGbk(key) + '=' + value);
  }
}

bool WritesSomething(std::span<const IniWrite> writes) {
  for (const IniWrite& write : writes) {
    if (!FromUtf8(write.key).trimmed().isEmpty()) return true;
  }
  return false;
}

}  // namespace

void classIniFile::WriteIniKey(std::string_view strSection, std::string_view strKey,
                               std::string_view strValue) const {
  const IniWrite write{std::string(strSection), std::string(strKey), std::string(strValue)};
  WriteIniKeys({&write, 1});
}

void classIniFile::WriteIniKeys(std::span<const IniWrite> writes) const {
  // Only writes that name a key touch the file; without one it is not even created.
  if (!WritesSomething(writes)) return;
  const QString path = QString::fromStdString(ResolveFileNoCase(path_));
  if (IsReadOnly(path)) return;
  Lines lines;
  if (QFileInfo::exists(path)) {
    const std::optional<QByteArray> content = ReadFile(path);
    if (!content) return;
    lines = SplitLines(*content);
  }
  for (const IniWrite& write : writes)
    ApplyWrite(lines, write);
  WriteLines(path, lines);
}

std::string classIniFile::GetIniKey(std::string_view strSection, std::string_view strKey) const {
  const QString path = QString::fromStdString(ResolveFileNoCase(path_));
  const std::optional<QByteArray> content = ReadFile(path);
  if (!content) return {};
  const Lines lines = SplitLines(*content);
  const Place place = Find(lines, FromUtf8(strSection).trimmed(), FromUtf8(strKey).trimmed());
  if (!place.key) return {};
  const QByteArray& line = lines[*place.key];
  const QByteArray stored = line.mid(line.indexOf('=') + 1).trimmed();
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

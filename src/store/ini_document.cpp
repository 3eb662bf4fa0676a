#include "store/ini_document.h"

#include <algorithm>
#include <map>
#include <optional>

namespace zunda {

namespace {

// Sections this short are searched line by line; an index would cost more than it saves.
constexpr std::size_t kIndexedSection = 16;

bool IsAscii(QByteArrayView bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// FNV-1a over UTF-16 units, so that an ASCII name hashes the same from its bytes as from
// its decoded text.
struct NameHash {
  std::uint64_t value = 14695981039346656037ULL;
  void Add(char16_t unit) {
    value ^= unit;
    value *= 1099511628211ULL;
  }
};

std::uint64_t HashFolded(const QString& folded) {
  NameHash hash;
  for (const QChar c : folded)
    hash.Add(c.unicode());
  return hash.value;
}

// The name of a key line: the bytes before '=', trimmed. '=' is never part of a double-byte
// GBK character, nor of a UTF-8 one, so the line can be split as bytes.
std::optional<QByteArrayView> KeyName(QByteArrayView line) {
  const qsizetype equals = line.indexOf('=');
  if (equals < 0) return std::nullopt;
  return line.first(equals).trimmed();
}

}  // namespace

IniDocument::IniDocument(QByteArray bytes) : bytes_(std::move(bytes)) {
  encoding_ = DetectEncoding(bytes_);
  if (encoding_ == TextEncoding::Utf8WithMark) textStart_ = kUtf8Mark.size();
  qsizetype start = textStart_;
  while (start < bytes_.size()) {
    qsizetype end = bytes_.indexOf('\n', start);
    if (end < 0) end = bytes_.size();
    qsizetype length = end - start;
    if (length > 0 && bytes_[start + length - 1] == '\r') --length;
    lines_.push_back({start, length});
    start = end + 1;
  }

  for (std::size_t i = 0; i < lines_.size(); ++i) {
    // Most lines are keys: one that starts with an ASCII character other than '[' is no
    // section line without decoding. A non-ASCII start may still decode to a blank.
    const QByteArrayView line = LineAt(i).trimmed();
    if (line.isEmpty() ||
        (line.front() != '[' && static_cast<unsigned char>(line.front()) < 0x80)) {
      continue;
    }
    const QString decoded = Decode(LineAt(i), encoding_).trimmed();
    if (!decoded.startsWith(QLatin1Char('['))) continue;
    if (!sections_.empty()) sections_.back().End = i;
    const qsizetype close = decoded.indexOf(QLatin1Char(']'));
    const QString name = decoded.mid(1, close < 0 ? -1 : close - 1).trimmed().toCaseFolded();
    // Of two sections with one name the first counts.
    if (!firstSection_.contains(name)) firstSection_.insert(name, sections_.size());
    sections_.push_back({i, lines_.size()});
  }
  keyIndex_.resize(sections_.size());
}

bool IniDocument::Clean() const {
  if (!clean_) clean_ = IsCleanText(QByteArrayView(bytes_).sliced(textStart_), encoding_);
  return *clean_;
}

QByteArrayView IniDocument::LineAt(std::size_t index) const {
  const Line& line = lines_[index];
  return QByteArrayView(bytes_.constData() + line.Start, line.Length);
}

std::optional<std::size_t> IniDocument::FindSection(const QString& name) const {
  const auto found = firstSection_.constFind(name.toCaseFolded());
  if (found == firstSection_.constEnd()) return std::nullopt;
  return found.value();
}

bool IniDocument::SetsKey(QByteArrayView line, const QString& key) const {
  const std::optional<QByteArrayView> name = KeyName(line);
  if (!name) return false;
  if (IsAscii(*name)) return QLatin1StringView(*name).compare(key, Qt::CaseInsensitive) == 0;
  return Decode(*name, encoding_).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

const IniDocument::KeyIndex& IniDocument::IndexOf(std::size_t section) const {
  KeyIndex& index = keyIndex_[section];
  if (!index.empty()) return index;
  const Section& range = sections_[section];
  std::size_t capacity = 2;
  while (capacity < (range.End - range.Header) * 3 / 2)
    capacity *= 2;
  index.assign(capacity, KeySlot{});
  for (std::size_t i = range.Header + 1; i < range.End; ++i) {
    const std::optional<QByteArrayView> name = KeyName(LineAt(i));
    if (!name) continue;
    std::uint64_t hash = 0;
    if (IsAscii(*name)) {
      NameHash h;
      for (const char c : *name)
        h.Add(static_cast<char16_t>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
      hash = h.value;
    } else {
      hash = HashFolded(Decode(*name, encoding_).trimmed().toCaseFolded());
    }
    std::size_t slot = hash & (capacity - 1);
    while (index[slot].Line != 0 && index[slot].Hash != hash)
      slot = (slot + 1) & (capacity - 1);
    // The first line of a name counts; later ones are never found.
    if (index[slot].Line == 0) index[slot] = {hash, static_cast<std::uint32_t>(i)};
  }
  return index;
}

std::optional<std::size_t> IniDocument::FindKey(std::size_t section, const QString& key) const {
  const Section& range = sections_[section];
  const auto scan = [&]() -> std::optional<std::size_t> {
    for (std::size_t i = range.Header + 1; i < range.End; ++i) {
      if (SetsKey(LineAt(i), key)) return i;
    }
    return std::nullopt;
  };
  if (range.End - range.Header <= kIndexedSection) return scan();
  const KeyIndex& index = IndexOf(section);
  const std::uint64_t hash = HashFolded(key.toCaseFolded());
  const std::size_t mask = index.size() - 1;
  for (std::size_t slot = hash & mask; index[slot].Line != 0; slot = (slot + 1) & mask) {
    if (index[slot].Hash != hash) continue;
    if (SetsKey(LineAt(index[slot].Line), key)) return index[slot].Line;
    // Two names of one hash: the table holds only the first, so the section is read through.
    return scan();
  }
  return std::nullopt;
}

std::optional<QByteArrayView> IniDocument::Value(const QString& section, const QString& key) const {
  const std::optional<std::size_t> found = FindSection(section);
  if (!found) return std::nullopt;
  const std::optional<std::size_t> line = FindKey(*found, key);
  if (!line) return std::nullopt;
  const QByteArrayView text = LineAt(*line);
  return text.sliced(text.indexOf('=') + 1);
}

std::size_t IniDocument::InsertionPoint(const Section& section) const {
  std::size_t at = section.End;
  while (at > section.Header + 1 && LineAt(at - 1).trimmed().isEmpty())
    --at;
  return at;
}

QByteArray IniDocument::Start() const {
  QByteArray out;
  out.reserve(bytes_.size() + lines_.size() + 64);
  if (encoding_ == TextEncoding::Utf8WithMark) out += kUtf8Mark;
  return out;
}

QByteArray IniDocument::Settled(QByteArray out) const {
  // The encoding is found from the whole file, so a write that takes away the only bytes that
  // told it would have every other line read in the other encoding next time. A UTF-8 file
  // keeps its reading with a byte-order mark; a GBK file with a comment line that no UTF-8
  // text can hold.
  const TextEncoding read = DetectEncoding(out);
  if (encoding_ == TextEncoding::Utf8 && read == TextEncoding::Gbk && !IsAscii(out)) {
    out.prepend(kUtf8Mark.toByteArray());
  } else if (encoding_ == TextEncoding::Gbk && read != TextEncoding::Gbk) {
    out.prepend(Encode(QStringLiteral("; 本文件以 GBK 编码保存"), TextEncoding::Gbk) + "\r\n");
  }
  return out;
}

std::optional<QByteArray> IniDocument::WithKeys(const std::vector<KeyWrite>& writes) const {
  // Lines added to a section, with their keys, so that a later write of the same key
  // replaces the added line as it would a line of the file.
  struct Added {
    QString Name;  // for a section not in the file
    std::vector<QByteArray> Lines;
    QHash<QString, std::size_t> Keys;
  };
  std::map<std::size_t, QByteArray> replaced;
  std::map<std::size_t, Added> appended;  // by section index
  std::vector<Added> created;
  const auto set = [&](Added& added, const QString& key, const QByteArray& line) {
    const QString folded = key.toCaseFolded();
    const auto known = added.Keys.constFind(folded);
    if (known != added.Keys.constEnd()) {
      added.Lines[known.value()] = line;
    } else {
      added.Keys.insert(folded, added.Lines.size());
      added.Lines.push_back(line);
    }
  };

  for (const KeyWrite& write : writes) {
    const QByteArray value = Encode(write.Value, encoding_);
    const std::optional<std::size_t> section = FindSection(write.Section);
    if (!section) {
      const auto same = std::find_if(created.begin(), created.end(), [&](const Added& a) {
        return a.Name.compare(write.Section, Qt::CaseInsensitive) == 0;
      });
      Added& added =
          same != created.end() ? *same : created.emplace_back(Added{write.Section, {}, {}});
      set(added, write.Key, Encode(write.Key, encoding_) + '=' + value);
      continue;
    }
    const std::optional<std::size_t> line = FindKey(*section, write.Key);
    if (!line) {
      set(appended[*section], write.Key, Encode(write.Key, encoding_) + '=' + value);
      continue;
    }
    const QByteArrayView old = LineAt(*line);
    QByteArray updated = old.first(old.indexOf('=')).trimmed().toByteArray() + '=' + value;
    if (updated == old) {
      replaced.erase(*line);
    } else {
      replaced[*line] = std::move(updated);
    }
  }
  if (replaced.empty() && appended.empty() && created.empty()) return std::nullopt;

  std::map<std::size_t, const Added*> inserts;  // by the line they go before
  for (const auto& [section, added] : appended)
    inserts[InsertionPoint(sections_[section])] = &added;
  QByteArray out = Start();
  const auto insertBefore = [&](std::size_t line) {
    const auto found = inserts.find(line);
    if (found == inserts.end()) return;
    for (const QByteArray& added : found->second->Lines)
      out += added + "\r\n";
  };
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    insertBefore(i);
    const auto changed = replaced.find(i);
    if (changed != replaced.end()) {
      out += changed->second;
    } else {
      out += LineAt(i);
    }
    out += "\r\n";
  }
  insertBefore(lines_.size());
  for (const Added& section : created) {
    out += '[' + Encode(section.Name, encoding_) + "]\r\n";
    for (const QByteArray& line : section.Lines)
      out += line + "\r\n";
  }
  return Settled(std::move(out));
}

std::optional<QByteArray> IniDocument::WithoutKey(const QString& section,
                                                  const QString& key) const {
  const std::optional<std::size_t> found = FindSection(section);
  if (!found) return std::nullopt;
  const std::optional<std::size_t> line = FindKey(*found, key);
  if (!line) return std::nullopt;
  QByteArray out = Start();
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i != *line) out += LineAt(i).toByteArray() + "\r\n";
  }
  return Settled(std::move(out));
}

std::optional<QByteArray> IniDocument::WithoutSection(const QString& section) const {
  const std::optional<std::size_t> found = FindSection(section);
  if (!found) return std::nullopt;
  const Section& range = sections_[*found];
  QByteArray out = Start();
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i < range.Header || i >= range.End) out += LineAt(i).toByteArray() + "\r\n";
  }
  return Settled(std::move(out));
}

}  // namespace zunda

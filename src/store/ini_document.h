#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "store/ini_text.h"

namespace zunda {

// One INI file as it lies on disk, split into lines and sections once, so that looking up a
// key costs no more than a search in a table, however long the file. Sections and keys are
// found without regard to case, the first match counting, the way the Windows
// private-profile functions find them.
class IniDocument {
 public:
  IniDocument() = default;  // a file that does not exist yet
  explicit IniDocument(QByteArray bytes);

  TextEncoding Encoding() const { return encoding_; }
  // See IsCleanText: false for a file that holds what no save and no editor writes. Found out
  // when first asked: only the score file asks.
  bool Clean() const;

  // The text stored after the key's '=', untrimmed; nothing when the key or its section is
  // missing.
  std::optional<QByteArrayView> Value(const QString& section, const QString& key) const;

  struct KeyWrite {
    QString Section;  // trimmed
    QString Key;      // trimmed, not empty
    QString Value;
  };
  // The whole file with the keys written in turn: each replaced where it stands, else added
  // after the last line of its section, else in a new section at the end; every other line
  // keeps its bytes. Nothing when the file would not change.
  std::optional<QByteArray> WithKeys(const std::vector<KeyWrite>& writes) const;
  // Without the key's line; nothing when there is no such key.
  std::optional<QByteArray> WithoutKey(const QString& section, const QString& key) const;
  // Without the section's line and every line up to the next section.
  std::optional<QByteArray> WithoutSection(const QString& section) const;

 private:
  struct Line {
    qsizetype Start = 0;
    qsizetype Length = 0;  // without the line end
  };
  struct Section {
    std::size_t Header = 0;  // the section line
    std::size_t End = 0;     // one past its last line
  };
  // From the hash of a key name to the first line of the section that sets it, with open
  // addressing: far cheaper to build for a long section than a sorted table.
  struct KeySlot {
    std::uint64_t Hash = 0;
    std::uint32_t Line = 0;  // 0 for an empty slot: a key line never is line 0
  };
  using KeyIndex = std::vector<KeySlot>;

  QByteArrayView LineAt(std::size_t index) const;
  std::optional<std::size_t> FindSection(const QString& name) const;
  std::optional<std::size_t> FindKey(std::size_t section, const QString& key) const;
  bool SetsKey(QByteArrayView line, const QString& key) const;
  const KeyIndex& IndexOf(std::size_t section) const;
  // Where lines added to a section go: after its last line that is not blank.
  std::size_t InsertionPoint(const Section& section) const;
  QByteArray Start() const;
  // The new contents, made sure to be read in this file's encoding again.
  QByteArray Settled(QByteArray out) const;

  QByteArray bytes_;
  qsizetype textStart_ = 0;  // after a byte-order mark
  TextEncoding encoding_ = TextEncoding::Gbk;
  mutable std::optional<bool> clean_;
  std::vector<Line> lines_;
  std::vector<Section> sections_;
  QHash<QString, std::size_t> firstSection_;  // case-folded name -> index in sections_
  // Built at the first lookup in a long section; empty until then.
  mutable std::vector<KeyIndex> keyIndex_;
};

}  // namespace zunda

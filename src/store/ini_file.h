#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/save_result.h"

namespace zunda {

class IniDocument;

// The longest value the reader returns, in bytes of the file: the reader's 1024-byte buffer,
// one of them the terminating NUL.
inline constexpr int kIniValueBytes = 1023;

// One INI file of the program (Option.ini, score.ini, skin.ini), read and written the way the
// Windows private-profile functions do it:
// - sections and keys are found without regard to case; the first match counts;
// - values come back trimmed of blanks, cut to 1023 bytes of their stored text (the reader's
//   1024-byte buffer) without splitting a character;
// - writing a key leaves every other line as it was (unknown keys, comments, blank lines,
//   order); a new key goes after the last line of its section, a new section at the end;
// - the file is created by the first write.
// The text is GBK on disk (or UTF-8, for a file an editor saved so; it stays UTF-8) and UTF-8
// here. Lines are written with CRLF. A write replaces the file whole or leaves it as it was
// (store/safe_write.h) and says which; a read-only file keeps its contents. A write that
// would change nothing does not touch the file. The last part of the path is matched without
// regard to case on every call.
//
// A file is read and parsed once and remembered until it changes: by a write of the program's
// own, or on disk, which its size and modification time tell.
class classIniFile {
 public:
  classIniFile() = default;
  explicit classIniFile(std::string New_IniPath) : path_(std::move(New_IniPath)) {}

  const std::string& INIFile() const { return path_; }
  void SetINIFile(std::string New_IniPath) { path_ = std::move(New_IniPath); }

  SaveResult WriteIniKey(std::string_view strSection, std::string_view strKey,
                         std::string_view strValue) const;
  // Several keys of one section with one replacement of the file; the file ends as if they
  // had been written one after another with WriteIniKey.
  using IniKeys = std::vector<std::pair<std::string, std::string>>;
  SaveResult WriteIniKeys(std::string_view strSection, const IniKeys& keys) const;
  // Keys of several sections, likewise in one replacement of the file.
  struct KeyValue {
    std::string Section;
    std::string Key;
    std::string Value;
  };
  SaveResult WriteIniKeys(const std::vector<KeyValue>& entries) const;
  // The value, or "" when the key, its section or the file is missing.
  std::string GetIniKey(std::string_view strSection, std::string_view strKey) const;
  SaveResult DelIniKey(std::string_view SectionName, std::string_view KeyWord) const;
  // Removes the section line and every line up to the next section.
  SaveResult DelIniSec(std::string_view SectionName) const;

  enum class FileState {
    Missing,
    Readable,
    Unreadable,  // it exists, but cannot be read
    Damaged,     // it holds NUL bytes or bytes that are no text (see IsCleanText)
  };
  FileState State() const;

 private:
  friend class IniSnapshot;
  // The file as the storage knows it now (empty when it is missing or cannot be read).
  std::shared_ptr<const IniDocument> Document() const;

  std::string path_;
};

// One reading of an INI file for a reader that asks for many keys in a row (a skin's 56
// pictures): the file is looked at once, when the snapshot is taken, instead of once per key.
// Values come back as classIniFile::GetIniKey gives them.
class IniSnapshot {
 public:
  explicit IniSnapshot(const classIniFile& file);
  std::string GetIniKey(std::string_view strSection, std::string_view strKey) const;

 private:
  std::shared_ptr<const IniDocument> document_;
};

// Drops every file the INI storage remembers, as a new start of the program would.
void ForgetIniFiles();

}  // namespace zunda

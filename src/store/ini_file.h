#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zunda {

// One INI file of the program (Option.ini, score.ini, skin.ini), read and written the way the
// Windows private-profile functions do it:
// - sections and keys are found without regard to case; the first match counts;
// - values come back trimmed of blanks, cut to 1023 bytes of their stored text (the reader's
//   1024-byte buffer) without splitting a character;
// - writing a key leaves every other line as it was (unknown keys, comments, blank lines,
//   order); a new key goes after the last line of its section, a new section at the end;
// - the file is created by the first write; nothing is cached, every call reads the file.
// The text is GBK on disk and UTF-8 here. Lines are written with CRLF. A write replaces the
// file in one step (a temporary file renamed over it), so it is never left half written; a
// read-only file keeps its contents and the write reports nothing. The last part of the
// path is matched without regard to case on every call.
// One key to write: see classIniFile::WriteIniKeys.
struct IniWrite {
  std::string section;
  std::string key;
  std::string value;
};

class classIniFile {
 public:
  classIniFile() = default;
  explicit classIniFile(std::string New_IniPath) : path_(std::move(New_IniPath)) {}

  const std::string& INIFile() const { return path_; }
  void SetINIFile(std::string New_IniPath) { path_ = std::move(New_IniPath); }

  void WriteIniKey(std::string_view strSection, std::string_view strKey,
                   std::string_view strValue) const;
  // Many keys in one go, for a caller that writes a whole file: the file is read once, the
  // writes are applied in order exactly as that many WriteIniKey calls would apply them, and
  // the result replaces the file once (all of it or, on a failure, none of it).
  void WriteIniKeys(std::span<const IniWrite> writes) const;
  // The value, or "" when the key, its section or the file is missing.
  std::string GetIniKey(std::string_view strSection, std::string_view strKey) const;
  void DelIniKey(std::string_view SectionName, std::string_view KeyWord) const;
  // Removes the section line and every line up to the next section.
  void DelIniSec(std::string_view SectionName) const;

 private:
  std::string path_;
};

}  // namespace zunda

// The INI storage on any file content: reads, and the writes that must leave everything else
// readable as before.
#include <QByteArray>
#include <QList>
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_support.h"
#include "store/gbk.h"
#include "store/ini_file.h"

namespace {

using zunda::classIniFile;
using zunda::fuzz::Require;
using Query = std::pair<std::string, std::string>;

// A name as the INI storage takes it: like a C string, it ends at a NUL.
std::string Name(const QByteArray& gbk) {
  const std::string name = zunda::FromGbk(gbk).toStdString();
  return name.substr(0, name.find('\0'));
}

// Names the program asks for, plus the first key of each section the file itself holds, so
// that the fuzzer can reach any key it invents.
std::vector<Query> Queries(const QByteArray& content) {
  std::vector<Query> queries = {
      {"Player", "Num"},  {"Player", "Name00"}, {"Skins", "SkinsList"}, {"Skin", "Name"},
      {"Picture", "C03"}, {"BackMusic", "0"},   {"Aldor", "score"},     {"玩家", "名字"},
  };
  std::string section;
  bool keyTaken = true;
  for (const QByteArray& line : content.split('\n')) {
    const QByteArray text = line.trimmed();
    if (text.startsWith('[')) {
      const qsizetype close = text.indexOf(']');
      section = Name(text.mid(1, close < 0 ? -1 : close - 1));
      keyTaken = false;
    } else if (const qsizetype equals = text.indexOf('='); equals > 0 && !keyTaken) {
      queries.emplace_back(section, Name(text.left(equals)));
      keyTaken = true;
    }
    if (queries.size() >= 24) break;
  }
  return queries;
}

std::map<Query, std::string> ReadAll(const classIniFile& ini, const std::vector<Query>& queries) {
  std::map<Query, std::string> values;
  for (const Query& query : queries) {
    const std::string value = ini.GetIniKey(query.first, query.second);
    Require(value.find('\0') == std::string::npos, "a value holds no NUL");
    Require(value.find('\n') == std::string::npos, "a value holds no line break");
    values.emplace(query, value);
  }
  return values;
}

// Every query outside the given sections reads the same as before.
void RequireOthersKept(const std::map<Query, std::string>& before,
                       const std::map<Query, std::string>& after,
                       std::initializer_list<const char*> sections, const char* what) {
  for (const auto& [query, value] : before) {
    const QString section = QString::fromStdString(query.first).trimmed();
    const bool changed = std::any_of(sections.begin(), sections.end(), [&](const char* name) {
      return section.compare(QString::fromUtf8(name), Qt::CaseInsensitive) == 0;
    });
    if (!changed) Require(after.at(query) == value, what);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto file = zunda::fuzz::WorkFolder() / "Fuzz.ini";
  zunda::fuzz::WriteFile(file, data, size);
  const classIniFile ini(file.string());
  const std::vector<Query> queries =
      Queries(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  const std::map<Query, std::string> before = ReadAll(ini, queries);

  // A written key reads back as written, in ASCII and in Chinese, and nothing else moves.
  ini.WriteIniKey("Player", "Num", "7");
  Require(ini.GetIniKey("Player", "Num") == "7", "a written key reads back");
  ini.WriteIniKey("玩家", "名字", "张三 李四");
  Require(ini.GetIniKey("玩家", "名字") == "张三 李四", "a written GBK key reads back");
  const std::map<Query, std::string> after = ReadAll(ini, queries);
  RequireOthersKept(before, after, {"Player", "玩家"}, "a write keeps the other sections");

  ini.DelIniKey("Skin", "Name");
  const std::map<Query, std::string> keyRemoved = ReadAll(ini, queries);
  RequireOthersKept(after, keyRemoved, {"Skin"}, "deleting a key keeps the other sections");
  ini.DelIniSec("Player");
  const std::map<Query, std::string> sectionRemoved = ReadAll(ini, queries);
  RequireOthersKept(keyRemoved, sectionRemoved, {"Player"},
                    "deleting a section keeps the other sections");
  return 0;
}

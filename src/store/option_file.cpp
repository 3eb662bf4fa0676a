#include "store/option_file.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "core/game.h"
#include "core/text.h"
#include "store/extras_option_file.h"
#include "store/ini_file.h"
#include "store/program_folder.h"

namespace zunda {

namespace {

constexpr int kNameWidth = 30;
constexpr int kPasswordWidth = 12;
// A damaged Count must not make start-up read the file millions of times.
constexpr int kMaxMusicEntries = 1000;

// The options dialog keeps the waits on scroll bars: the ordinary wait 5..200 ms, the fold
// wait 100..3000 ms, the burn wait 1..10 s. Values always sit on those scales.
constexpr int kSpeedMsMin = 5, kSpeedMsMax = 200;
constexpr int kFoldMsMin = 100, kFoldMsMax = 3000;
constexpr int kBurnSecondsMin = 1, kBurnSecondsMax = 10;

const char* const kPlayer = "Player";
const char* const kSkins = "Skins";
const char* const kGameSpeed = "GameSpeed";
const char* const kBackMusic = "BackMusic";

const char* const kRebuiltMessage =
    "配置文件出错，系统试图重建之，请在退出后重新运行本软件。如果问题仍然存在，请用电子邮件向作者"
    "反映此现象,并说明详细情况。";

int OnScale(double value, int lo, int hi) {
  if (!std::isfinite(value)) return lo;
  return static_cast<int>(std::nearbyint(std::clamp(value, double(lo), double(hi))));
}

std::string TwoDigits(int index) {
  // Built by appending: GCC 12 at -O3 takes a prepending concatenation for an overlapping copy.
  std::string text = index < 10 ? "0" : "";
  text += std::to_string(index);
  return text;
}

std::string Flag(bool on) {
  return on ? "1" : "0";
}

bool ReadFlag(const std::string& text) {
  return ValInt(text) != 0;
}

// "True" or "False" as written; a number counts as true when it is not 0.
bool ReadBoolean(const std::string& text) {
  if (QString::fromStdString(text).compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
    return true;
  }
  return Val(text) != 0;
}

// Every value read from the file is cleaned the same way.
std::string Read(const classIniFile& ini, const char* section, const std::string& key) {
  return CleanIniValue(ini.GetIniKey(section, key));
}

std::vector<std::string> SplitSkins(const std::string& list) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t comma = list.find(',', start);
    if (comma == std::string::npos) comma = list.size();
    std::string name = Trim(std::string_view(list).substr(start, comma - start));
    if (!name.empty()) names.push_back(std::move(name));
    start = comma + 1;
  }
  return names;
}

void RemoveOptionFile(const Game& g) {
  const QString path = QString::fromStdString(OptionFilePath(g));
  // A read-only file stays, as everywhere else; the rebuild then leaves it unchanged.
  if (QFileInfo(path).isWritable()) QFile::remove(path);
}

void LoadPlayers(const classIniFile& ini, OptionsModel& o, int num) {
  o.PlayerNum = std::min(num, kMaxPlayers);
  for (int i = 0; i < o.PlayerNum; ++i) {
    o.Players[i].Name = LeftChars(Read(ini, kPlayer, "Name" + TwoDigits(i)), kNameWidth);
    o.Players[i].Password = LeftChars(Read(ini, kPlayer, "PW" + TwoDigits(i)), kPasswordWidth);
  }
  o.CurPlayer = ValInt(Read(ini, kPlayer, "Cur"));
  if (o.CurPlayer < 0 || o.CurPlayer >= o.PlayerNum) o.CurPlayer = 0;
  o.Remember = ReadFlag(Read(ini, kPlayer, "Remember"));
}

void LoadMusic(const classIniFile& ini, OptionsModel& o) {
  const int count = std::min(ValInt(Read(ini, kBackMusic, "Count")), kMaxMusicEntries);
  o.MusicList.clear();
  if (count <= 0) return;
  for (int i = 0; i < count; ++i)
    o.MusicList.push_back(Read(ini, kBackMusic, std::to_string(i)));
  o.CurBackMusic = ValInt(Read(ini, kBackMusic, "CurBackMusic"));
  if (o.CurBackMusic < -1 || o.CurBackMusic >= count) o.CurBackMusic = -1;
  for (int box = 0; box <= 3; ++box) {
    o.BackMusicCtrl[box] = ReadFlag(Read(ini, kBackMusic, "BackMusicCtrl" + std::to_string(box)));
  }
  o.MusicOn = o.BackMusicCtrl[0];
  o.MusicMode = o.BackMusicCtrl[3] ? 3 : (o.BackMusicCtrl[1] ? 1 : 2);
}

}  // namespace

std::string OptionFilePath(const Game& g) {
  return ProgramFile(g, kOptionFileName);
}

void WriteDefaultOptions(Game& g) {
  const classIniFile ini(OptionFilePath(g));
  ini.WriteIniKey(kPlayer, "PW00", "");
  ini.WriteIniKey(kPlayer, "Cur", "0");
  ini.WriteIniKey(kPlayer, "Remember", "0");
  ini.WriteIniKey(kPlayer, "Name00", "Aldor");
  ini.WriteIniKey(kPlayer, "Num", "1");
  ini.WriteIniKey(kGameSpeed, "DelayTimeShunPai", "0.02");
  ini.WriteIniKey(kGameSpeed, "DelayTimeZundaPai", "0.02");
  ini.WriteIniKey(kGameSpeed, "DelayTimeKouPai", "0.5");
  ini.WriteIniKey(kGameSpeed, "DelayTimeShaoPai", "5");
  ini.WriteIniKey(kSkins, "CurSkin", "ParisDress");
  ini.WriteIniKey(kSkins, "SkinsList", "Normal,ParisDress,military");
  ini.WriteIniKey("ZundaRules", "JinGong", "True");
  g.Options.BarName = "WINDOWS";
  ini.WriteIniKey("Boss", "BarName", g.Options.BarName);
  ini.WriteIniKey(kBackMusic, "Count", "0");
}

OptionsLoadResult LoadOptions(Game& g) {
  const classIniFile ini(OptionFilePath(g));
  // A count below one cannot describe a player table: the file is broken.
  const int num = ValInt(Read(ini, kPlayer, "Num"));
  if (num < 1) {
    RemoveOptionFile(g);
    WriteDefaultOptions(g);
    g.Msg(kRebuiltMessage, Host::Buttons::Ok, Host::Icon::Exclamation);
    return OptionsLoadResult::RebuiltEndProgram;
  }

  OptionsModel& o = g.Options;
  LoadPlayers(ini, o, num);
  g.PlayerCount = o.PlayerNum;

  o.SkinsList = SplitSkins(Read(ini, kSkins, "SkinsList"));
  o.CurSkin = Read(ini, kSkins, "CurSkin");
  o.JinGong = ReadBoolean(Read(ini, "ZundaRules", "JinGong"));

  const int speedMs =
      OnScale(Val(Read(ini, kGameSpeed, "DelayTimeShunPai")) * 1000, kSpeedMsMin, kSpeedMsMax);
  o.DelayTimeShunPai = o.DelayTimeZundaPai = speedMs / 1000.0;
  g.DelayTimeShunPai = g.DelayTimeZundaPai = o.DelayTimeShunPai;
  o.DelayTimeKouPai =
      OnScale(Val(Read(ini, kGameSpeed, "DelayTimeKouPai")) * 1000, kFoldMsMin, kFoldMsMax) /
      1000.0;
  o.DelayTimeShaoPai =
      OnScale(Val(Read(ini, kGameSpeed, "DelayTimeShaoPai")), kBurnSecondsMin, kBurnSecondsMax);

  o.BarName = Read(ini, "Boss", "BarName");
  o.RecRunData = ReadFlag(Read(ini, "Other", "RecRunData"));
  LoadMusic(ini, o);
  LoadExtrasOptions(ini, o.Extras);
  return OptionsLoadResult::Loaded;
}

void SaveOptions(Game& g) {
  const classIniFile ini(OptionFilePath(g));
  OptionsModel& o = g.Options;

  o.PlayerNum = std::clamp(o.PlayerNum, 1, kMaxPlayers);
  g.PlayerCount = o.PlayerNum;
  // The player table and the music list go in one write each: a key at a time, a long music
  // list would rewrite the whole file once per piece.
  classIniFile::IniKeys players = {
      {"Num", std::to_string(o.PlayerNum)},
      {"Cur", o.Remember ? std::to_string(o.CurPlayer) : "0"},
      {"Remember", Flag(o.Remember)},
  };
  for (int i = 0; i < o.PlayerNum; ++i) {
    players.emplace_back("Name" + TwoDigits(i), FixedWidth(o.Players[i].Name, kNameWidth));
    players.emplace_back("PW" + TwoDigits(i), FixedWidth(o.Players[i].Password, kPasswordWidth));
  }
  ini.WriteIniKeys(kPlayer, players);

  ini.WriteIniKey(kSkins, "CurSkin", Trim(o.CurSkin));
  std::string skins;
  for (const std::string& name : o.SkinsList)
    skins += (skins.empty() ? "" : ",") + name;
  ini.WriteIniKey(kSkins, "SkinsList", skins);

  ini.WriteIniKey("ZundaRules", "JinGong", o.JinGong ? "True" : "False");

  const int speedMs = OnScale(o.DelayTimeShunPai * 1000, kSpeedMsMin, kSpeedMsMax);
  const int foldMs = OnScale(o.DelayTimeKouPai * 1000, kFoldMsMin, kFoldMsMax);
  const int burnSeconds = OnScale(o.DelayTimeShaoPai, kBurnSecondsMin, kBurnSecondsMax);
  o.DelayTimeShunPai = o.DelayTimeZundaPai = speedMs / 1000.0;
  o.DelayTimeKouPai = foldMs / 1000.0;
  o.DelayTimeShaoPai = burnSeconds;
  ini.WriteIniKey(kGameSpeed, "DelayTimeShunPai", ShortestDecimal(o.DelayTimeShunPai));
  ini.WriteIniKey(kGameSpeed, "DelayTimeZundaPai", ShortestDecimal(o.DelayTimeZundaPai));
  ini.WriteIniKey(kGameSpeed, "DelayTimeKouPai", ShortestDecimal(o.DelayTimeKouPai));
  ini.WriteIniKey(kGameSpeed, "DelayTimeShaoPai", std::to_string(burnSeconds));
  g.DelayTimeShunPai = g.DelayTimeZundaPai = o.DelayTimeShunPai;
  g.DelayTimeKouPai = o.DelayTimeKouPai;
  g.DelayTimeShaoPai = o.DelayTimeShaoPai;

  o.BarName = Trim(o.BarName);
  ini.WriteIniKey("Boss", "BarName", o.BarName);
  ini.WriteIniKey("Other", "RecRunData", Flag(o.RecRunData));

  classIniFile::IniKeys music;
  for (int box = 0; box <= 3; ++box)
    music.emplace_back("BackMusicCtrl" + std::to_string(box), Flag(o.BackMusicCtrl[box]));
  music.emplace_back("Count", std::to_string(o.MusicList.size()));
  music.emplace_back("CurBackMusic", std::to_string(o.CurBackMusic));
  for (std::size_t i = 0; i < o.MusicList.size(); ++i)
    music.emplace_back(std::to_string(i), o.MusicList[i]);
  ini.WriteIniKeys(kBackMusic, music);
  SaveExtrasOptions(ini, o.Extras);
}

void LoadWaits(Game& g) {
  const std::string path = OptionFilePath(g);
  if (!QFileInfo::exists(QString::fromStdString(path))) {
    g.DelayTimeShunPai = 0.01;
    g.DelayTimeZundaPai = 0.01;
    g.DelayTimeKouPai = 1.0;
    g.DelayTimeShaoPai = 5.0;
    return;
  }
  const classIniFile ini(path);
  const auto wait = [&](const char* key) { return Val(Read(ini, kGameSpeed, key)); };
  g.DelayTimeShunPai = wait("DelayTimeShunPai");
  g.DelayTimeZundaPai = wait("DelayTimeZundaPai");
  g.DelayTimeKouPai = wait("DelayTimeKouPai");
  g.DelayTimeShaoPai = wait("DelayTimeShaoPai");
  g.OptionFilePresent = true;
}

}  // namespace zunda

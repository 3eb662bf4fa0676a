#include "store/option_file.h"

#include <algorithm>
#include <cmath>

#include "core/game.h"
#include "core/save_messages.h"
#include "core/text.h"
#include "store/extras_option_file.h"
#include "store/file_system.h"
#include "store/gbk.h"
#include "store/ini_file.h"
#include "store/program_folder.h"
#include "store/safe_write.h"

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
// The faulty file is the player's: it is kept under another name before the defaults are
// written, and the player is told where.
const char* const kRebuiltKeptMessage =
    "配置文件出错，系统试图重建之，原来的配置文件已另存为“%1”。请在退出后重新运行本软件。如果问题"
    "仍然存在，请用电子邮件向作者反映此现象,并说明详细情况。";
const char* const kNotRebuiltMessage =
    "配置文件“%1”出错，但无法把它另存为别的文件（%2），因此没有重建它。请检查程序文件夹是否允许"
    "写入，然后重新运行本软件。";

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

// Sets the faulty file aside, writes the defaults and tells the player what happened.
void RebuildOptionFile(Game& g) {
  const QString path = QString::fromStdString(OptionFilePath(g));
  std::string message = kRebuiltMessage;
  if (Files().Stamp(path)) {
    SaveResult refused;
    const std::optional<QString> kept = SetAside(path, refused);
    if (!kept) {
      g.Msg(FillIn(kNotRebuiltMessage, {path.toStdString(), WriteFaultText(refused)}),
            Host::Buttons::Ok, Host::Icon::Exclamation);
      return;
    }
    message = FillIn(kRebuiltKeptMessage, {kept->toStdString()});
  }
  TellSaveFailure(g, WriteDefaultOptions(g));
  g.Msg(message, Host::Buttons::Ok, Host::Icon::Exclamation);
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

std::vector<std::string> SplitSkinsList(const std::string& list) {
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

std::string JoinSkinsList(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names)
    list += (list.empty() ? "" : ",") + name;
  return list;
}

SkinNameFit FitsSkinsList(const std::vector<std::string>& list, const std::string& name) {
  if (name.find(',') != std::string::npos) return SkinNameFit::HasComma;
  const QString text = QString::fromStdString(name);
  if (FromGbk(ToGbk(text)) != text) return SkinNameFit::NotStorable;
  std::vector<std::string> longer = list;
  longer.push_back(name);
  // The reader returns at most 1023 bytes of a value: a longer list loses its last skins.
  if (ToGbk(QString::fromStdString(JoinSkinsList(longer))).size() > kIniValueBytes) {
    return SkinNameFit::ListTooLong;
  }
  return SkinNameFit::Fits;
}

std::string OptionFilePath(const Game& g) {
  return ProgramFile(g, kOptionFileName);
}

SaveResult WriteDefaultOptions(Game& g) {
  g.Options.BarName = "WINDOWS";
  // In the order the keys were always written, in one write of the file.
  return classIniFile(OptionFilePath(g))
      .WriteIniKeys({{kPlayer, "PW00", ""},
                     {kPlayer, "Cur", "0"},
                     {kPlayer, "Remember", "0"},
                     {kPlayer, "Name00", "Aldor"},
                     {kPlayer, "Num", "1"},
                     {kGameSpeed, "DelayTimeShunPai", ShortestDecimal(DefaultWaits::ShunPai)},
                     {kGameSpeed, "DelayTimeZundaPai", ShortestDecimal(DefaultWaits::ZundaPai)},
                     {kGameSpeed, "DelayTimeKouPai", ShortestDecimal(DefaultWaits::KouPai)},
                     {kGameSpeed, "DelayTimeShaoPai", ShortestDecimal(DefaultWaits::ShaoPai)},
                     {kSkins, "CurSkin", "ParisDress"},
                     {kSkins, "SkinsList", "Normal,ParisDress,military"},
                     {"ZundaRules", "JinGong", "True"},
                     {"Boss", "BarName", g.Options.BarName},
                     {kBackMusic, "Count", "0"}});
}

OptionsLoadResult LoadOptions(Game& g) {
  const classIniFile ini(OptionFilePath(g));
  // A count below one cannot describe a player table: the file is broken.
  const int num = ValInt(Read(ini, kPlayer, "Num"));
  if (num < 1) {
    RebuildOptionFile(g);
    return OptionsLoadResult::RebuiltEndProgram;
  }

  OptionsModel& o = g.Options;
  LoadPlayers(ini, o, num);
  g.PlayerCount = o.PlayerNum;

  o.SkinsList = SplitSkinsList(Read(ini, kSkins, "SkinsList"));
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

SaveResult WriteOptionFile(Game& g) {
  OptionsModel& o = g.Options;
  o.PlayerNum = std::clamp(o.PlayerNum, 1, kMaxPlayers);
  g.PlayerCount = o.PlayerNum;
  // The whole file in one write: a key at a time, a long music list would rewrite the file
  // once per piece, and a failure would be found once per key.
  std::vector<classIniFile::KeyValue> keys = {
      {kPlayer, "Num", std::to_string(o.PlayerNum)},
      {kPlayer, "Cur", o.Remember ? std::to_string(o.CurPlayer) : "0"},
      {kPlayer, "Remember", Flag(o.Remember)},
  };
  for (int i = 0; i < o.PlayerNum; ++i) {
    keys.push_back({kPlayer, "Name" + TwoDigits(i), FixedWidth(o.Players[i].Name, kNameWidth)});
    keys.push_back(
        {kPlayer, "PW" + TwoDigits(i), FixedWidth(o.Players[i].Password, kPasswordWidth)});
  }

  keys.push_back({kSkins, "CurSkin", Trim(o.CurSkin)});
  keys.push_back({kSkins, "SkinsList", JoinSkinsList(o.SkinsList)});
  keys.push_back({"ZundaRules", "JinGong", o.JinGong ? "True" : "False"});

  const int speedMs = OnScale(o.DelayTimeShunPai * 1000, kSpeedMsMin, kSpeedMsMax);
  const int foldMs = OnScale(o.DelayTimeKouPai * 1000, kFoldMsMin, kFoldMsMax);
  const int burnSeconds = OnScale(o.DelayTimeShaoPai, kBurnSecondsMin, kBurnSecondsMax);
  o.DelayTimeShunPai = o.DelayTimeZundaPai = speedMs / 1000.0;
  o.DelayTimeKouPai = foldMs / 1000.0;
  o.DelayTimeShaoPai = burnSeconds;
  keys.push_back({kGameSpeed, "DelayTimeShunPai", ShortestDecimal(o.DelayTimeShunPai)});
  keys.push_back({kGameSpeed, "DelayTimeZundaPai", ShortestDecimal(o.DelayTimeZundaPai)});
  keys.push_back({kGameSpeed, "DelayTimeKouPai", ShortestDecimal(o.DelayTimeKouPai)});
  keys.push_back({kGameSpeed, "DelayTimeShaoPai", std::to_string(burnSeconds)});
  g.DelayTimeShunPai = g.DelayTimeZundaPai = o.DelayTimeShunPai;
  g.DelayTimeKouPai = o.DelayTimeKouPai;
  g.DelayTimeShaoPai = o.DelayTimeShaoPai;

  o.BarName = Trim(o.BarName);
  keys.push_back({"Boss", "BarName", o.BarName});
  keys.push_back({"Other", "RecRunData", Flag(o.RecRunData)});

  for (int box = 0; box <= 3; ++box)
    keys.push_back({kBackMusic, "BackMusicCtrl" + std::to_string(box), Flag(o.BackMusicCtrl[box])});
  keys.push_back({kBackMusic, "Count", std::to_string(o.MusicList.size())});
  keys.push_back({kBackMusic, "CurBackMusic", std::to_string(o.CurBackMusic)});
  for (std::size_t i = 0; i < o.MusicList.size(); ++i)
    keys.push_back({kBackMusic, std::to_string(i), o.MusicList[i]});
  AddExtrasOptions(keys, o.Extras);
  return classIniFile(OptionFilePath(g)).WriteIniKeys(keys);
}

void SaveOptions(Game& g) {
  TellSaveResult(g, kOptionsTopic, WriteOptionFile(g));
}

void LoadWaits(Game& g) {
  const std::string path = OptionFilePath(g);
  if (!Files().Stamp(QString::fromStdString(path))) {
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

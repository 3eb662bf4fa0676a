#include "store/extras_option_file.h"

#include <algorithm>
#include <string>

#include "core/game.h"
#include "core/save_messages.h"
#include "core/text.h"
#include "store/ini_file.h"
#include "store/option_file.h"

namespace zunda {

namespace {

std::string Value(const classIniFile& ini, const char* key) {
  return CleanIniValue(ini.GetIniKey(kExtrasSection, key));
}

void ReadFlag(const classIniFile& ini, const char* key, bool& flag) {
  const std::string text = Value(ini, key);
  if (!text.empty()) flag = ValInt(text) != 0;
}

void AddFlag(std::vector<classIniFile::KeyValue>& keys, const char* key, bool flag) {
  keys.push_back({kExtrasSection, key, flag ? "1" : "0"});
}

}  // namespace

void LoadExtrasOptions(const classIniFile& ini, ExtrasOptions& extras) {
  extras = ExtrasOptions{};
  ReadFlag(ini, "Hint", extras.Hint);
  ReadFlag(ini, "Autoplay", extras.Autoplay);
  ReadFlag(ini, "CardCounter", extras.CardCounter);
  ReadFlag(ini, "KeyboardPlay", extras.KeyboardPlay);
  ReadFlag(ini, "HoldLastPlay", extras.HoldLastPlay);
  ReadFlag(ini, "TakeBack", extras.TakeBack);
  const std::string stay = Value(ini, "RoundStayMs");
  if (!stay.empty()) extras.RoundStayMs = std::clamp(ValInt(stay), 0, kRoundStayMsMax);
}

void AddExtrasOptions(std::vector<classIniFile::KeyValue>& keys, const ExtrasOptions& extras) {
  AddFlag(keys, "Hint", extras.Hint);
  AddFlag(keys, "Autoplay", extras.Autoplay);
  AddFlag(keys, "CardCounter", extras.CardCounter);
  AddFlag(keys, "KeyboardPlay", extras.KeyboardPlay);
  AddFlag(keys, "HoldLastPlay", extras.HoldLastPlay);
  AddFlag(keys, "TakeBack", extras.TakeBack);
  keys.push_back({kExtrasSection, "RoundStayMs",
                  std::to_string(std::clamp(extras.RoundStayMs, 0, kRoundStayMsMax))});
}

void SaveExtrasOptions(Game& g) {
  std::vector<classIniFile::KeyValue> keys;
  AddExtrasOptions(keys, g.Options.Extras);
  TellSaveResult(g, kOptionsTopic, classIniFile(OptionFilePath(g)).WriteIniKeys(keys));
}

}  // namespace zunda

#include "store/extras_option_file.h"

#include <algorithm>
#include <string>

#include "core/game.h"
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

void WriteFlag(const classIniFile& ini, const char* key, bool flag) {
  ini.WriteIniKey(kExtrasSection, key, flag ? "1" : "0");
}

}  // namespace

void LoadExtrasOptions(const classIniFile& ini, ExtrasOptions& extras) {
  extras = ExtrasOptions{};
  ReadFlag(ini, "Hint", extras.Hint);
  ReadFlag(ini, "Autoplay", extras.Autoplay);
  ReadFlag(ini, "CardCounter", extras.CardCounter);
  ReadFlag(ini, "KeyboardPlay", extras.KeyboardPlay);
  ReadFlag(ini, "HoldLastPlay", extras.HoldLastPlay);
  const std::string stay = Value(ini, "RoundStayMs");
  if (!stay.empty()) extras.RoundStayMs = std::clamp(ValInt(stay), 0, kRoundStayMsMax);
}

void SaveExtrasOptions(const classIniFile& ini, const ExtrasOptions& extras) {
  WriteFlag(ini, "Hint", extras.Hint);
  WriteFlag(ini, "Autoplay", extras.Autoplay);
  WriteFlag(ini, "CardCounter", extras.CardCounter);
  WriteFlag(ini, "KeyboardPlay", extras.KeyboardPlay);
  WriteFlag(ini, "HoldLastPlay", extras.HoldLastPlay);
  ini.WriteIniKey(kExtrasSection, "RoundStayMs",
                  std::to_string(std::clamp(extras.RoundStayMs, 0, kRoundStayMsMax)));
}

void SaveExtrasOptions(Game& g) {
  SaveExtrasOptions(classIniFile(OptionFilePath(g)), g.Options.Extras);
}

}  // namespace zunda

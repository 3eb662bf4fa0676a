#include "ui/motion_choice.h"

#include "core/save_messages.h"
#include "core/text.h"
#include "store/ini_file.h"
#include "store/option_file.h"
#include "ui/language.h"

namespace zunda {

bool StoredCardMotion(const Game& g) {
  const classIniFile ini(OptionFilePath(g));
  return Trim(CleanIniValue(ini.GetIniKey(kLanguageSection, kCardMotionKey))) != "0";
}

void StoreCardMotion(Game& g, bool on) {
  TellSaveResult(g, kOptionsTopic,
                 classIniFile(OptionFilePath(g))
                     .WriteIniKey(kLanguageSection, kCardMotionKey, on ? "1" : "0"));
}

}  // namespace zunda

#include "ui/shown_text.h"

#include "ui/engine_texts.h"
#include "ui/language.h"

namespace zunda {

QString ShownText(const std::string& engineText) {
  QString text = QString::fromStdString(engineText);
  if (CurrentLanguage() == Language::Chinese) return text;
  return TranslateEngineText(text);
}

}  // namespace zunda

#include "ui/engine_texts.h"

namespace zunda {

QString TranslateEngineText(const QString& text) {
  return text;
}

}  // namespace zunda

#pragma once

#include <QString>

namespace zunda {

// The engine's Chinese text in the current translation: every template the engine fills in
// (event lines, prompts, captions, tool tips, status texts, message boxes) is recognised and
// translated with its filled-in parts; what matches no template is returned as it is.
QString TranslateEngineText(const QString& text);

}  // namespace zunda

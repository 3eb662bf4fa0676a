#pragma once

#include <QString>
#include <string>

namespace zunda {

// The engine speaks Chinese, and its texts also go into files (saved hands hold event lines
// and prompts), so they are translated where they are shown. In Chinese this is the text
// itself; in another language each text is matched against the engine's templates and
// translated, its filled-in parts (card labels, titles, numbers) too; player names stay.
QString ShownText(const std::string& engineText);

}  // namespace zunda

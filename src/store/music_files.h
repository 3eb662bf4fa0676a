#pragma once

#include <string>

namespace zunda {

struct Game;

// Copies a music file into the program's Sound folder (created when missing) and returns the
// name the music list keeps for it: the file name alone. A file already in that folder is not
// copied onto itself. Returns "" when the file could not be copied; nothing is left half
// written then.
std::string CopyIntoSoundFolder(const Game& g, const std::string& source);

}  // namespace zunda

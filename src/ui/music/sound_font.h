#pragma once

#include <string>
#include <vector>

namespace zunda {

// Where Debian and similar systems keep General MIDI soundfonts, preceded by the entries of
// SDL_SOUNDFONTS when that is set.
std::vector<std::string> DefaultSoundFontCandidates();

// The first candidate that is a readable SoundFont 2 or 3 file (a RIFF "sfbk" file); "" when
// none is. MIDI files are only played when a soundfont is found.
std::string FindSoundFont(const std::vector<std::string>& candidates);

}  // namespace zunda

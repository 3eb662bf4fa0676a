#include "ui/music/sound_font.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string_view>

namespace zunda {

namespace {

bool IsSoundFontFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::array<char, 12> head{};
  if (!in.read(head.data(), head.size())) return false;
  return std::memcmp(head.data(), "RIFF", 4) == 0 && std::memcmp(head.data() + 8, "sfbk", 4) == 0;
}

}  // namespace

std::vector<std::string> DefaultSoundFontCandidates() {
  std::vector<std::string> candidates;
  if (const char* fromEnvironment = std::getenv("SDL_SOUNDFONTS")) {
    // SDL separates the entries with ';' everywhere and also with ':' outside Windows.
#ifdef _WIN32
    constexpr const char* kSeparators = ";";
#else
    constexpr const char* kSeparators = ";:";
#endif
    std::string_view list = fromEnvironment;
    while (!list.empty()) {
      const std::size_t cut = std::min(list.find_first_of(kSeparators), list.size());
      if (cut > 0) candidates.emplace_back(list.substr(0, cut));
      list.remove_prefix(std::min(cut + 1, list.size()));
    }
  }
  for (const char* path :
       {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf3/default-GM.sf3",
        "/usr/share/sounds/sf3/MuseScore_General.sf3", "/usr/share/soundfonts/default.sf2",
        "/usr/share/soundfonts/FluidR3_GM.sf2"}) {
    candidates.emplace_back(path);
  }
  return candidates;
}

std::string FindSoundFont(const std::vector<std::string>& candidates) {
  for (const std::string& path : candidates) {
    if (IsSoundFontFile(path)) return path;
  }
  return "";
}

}  // namespace zunda

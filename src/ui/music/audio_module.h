#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ui/music/audio_backend.h"

namespace zunda {

// Where the music module may be, in the order tried: beside the program (the build tree), then
// lib/zunda beside the program's bin folder (the installed layout).
std::vector<std::string> AudioModuleCandidates(const std::filesystem::path& programFolder);

// The candidates of the running program; none before the application object exists.
std::vector<std::string> DefaultAudioModuleCandidates();

// Loads the first candidate that is a music module of this program's interface and makes its
// back end. Null when there is none: the music then stays silent, without a word. A module
// once loaded stays loaded until the program ends.
std::unique_ptr<AudioBackend> LoadAudioBackend(const std::vector<std::string>& candidates);

}  // namespace zunda

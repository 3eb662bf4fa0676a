#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>

#include "core/game.h"
#include "core/scripted_host.h"

namespace zunda::fuzz {

// The folder of this process under the temporary folder ($TMPDIR): made on the first call,
// removed when the process ends normally. Targets keep their files in it from input to input.
const std::filesystem::path& WorkFolder();

// Replaces the file with the given bytes, creating its folder.
void WriteFile(const std::filesystem::path& file, const std::uint8_t* data, std::size_t size);
void WriteFile(const std::filesystem::path& file, std::string_view text);
// The bytes of the file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& file);

// Removes everything inside the folder; the folder stays.
void EmptyFolder(const std::filesystem::path& folder);

// Every file below the folder, as paths relative to it, sorted.
std::vector<std::filesystem::path> FilesBelow(const std::filesystem::path& folder);

// A property every input must keep. A broken one aborts, so libFuzzer reports it as a crash
// and keeps the input.
void Require(bool holds, const char* what);

// A fresh game on a scripted host (message boxes answered Yes/OK) whose program folder is
// `appPath`. Made anew for every input so that no state carries over.
struct FuzzGame {
  explicit FuzzGame(const std::filesystem::path& appPath);
  ScriptedHost host;
  Game game;
};
std::unique_ptr<FuzzGame> MakeGame(const std::filesystem::path& appPath);

}  // namespace zunda::fuzz

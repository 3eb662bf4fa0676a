#include "fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "core/startup_defaults.h"

namespace zunda::fuzz {
namespace fs = std::filesystem;

namespace {

fs::path MakeWorkFolder() {
  std::string pattern = (fs::temp_directory_path() / "zunda-fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    std::abort();
  }
  return pattern;
}

}  // namespace

const fs::path& WorkFolder() {
  // Never destroyed, so that the removal at exit still knows the folder.
  static const fs::path* const folder = [] {
    const auto* made = new fs::path(MakeWorkFolder());
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(WorkFolder(), ignored);
    });
    return made;
  }();
  return *folder;
}

void WriteFile(const fs::path& file, const std::uint8_t* data, std::size_t size) {
  std::error_code ignored;
  fs::create_directories(file.parent_path(), ignored);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void WriteFile(const fs::path& file, std::string_view text) {
  WriteFile(file, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void EmptyFolder(const fs::path& folder) {
  std::error_code ignored;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, ignored)) {
    fs::remove_all(entry.path(), ignored);
  }
}

std::vector<fs::path> FilesBelow(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code ignored;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder, ignored)) {
    if (!entry.is_directory(ignored)) files.push_back(entry.path().lexically_relative(folder));
  }
  std::sort(files.begin(), files.end());
  return files;
}

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "Broken property: %s\n", what);
  std::abort();
}

FuzzGame::FuzzGame(const fs::path& appPath) : game(host) {
  SetStartupDefaults(game);
  game.AppPath = appPath.string();
}

std::unique_ptr<FuzzGame> MakeGame(const fs::path& appPath) {
  return std::make_unique<FuzzGame>(appPath);
}

}  // namespace zunda::fuzz

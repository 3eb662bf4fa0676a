// A chosen skin.ini imported from a folder of pictures: whatever it names, the import writes
// only inside the program's Skins folder and never changes the folder it imports from.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "ui/skin_ini.h"
#include "ui/skins.h"

namespace {

namespace fs = std::filesystem;
using zunda::fuzz::Require;

void MakeSourceFolder(const fs::path& source) {
  for (const char* file : {"c03.bmp", "D13.BMP", "Faces/h05.png", "back.jpg", "J17.bmp"}) {
    zunda::fuzz::WriteFile(source / file, "picture");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fs::path work = zunda::fuzz::WorkFolder();
  const fs::path app = work / "app";
  const fs::path source = work / "source";
  zunda::fuzz::EmptyFolder(work);
  MakeSourceFolder(source);
  zunda::fuzz::WriteFile(app / "Skins/Normal/skin.ini", "[Skin]\r\nName=Normal\r\n");
  zunda::fuzz::WriteFile(source / "skin.ini", data, size);
  const std::vector<fs::path> sourceFiles = zunda::fuzz::FilesBelow(source);

  auto fuzzGame = zunda::fuzz::MakeGame(app);
  zunda::Game& g = fuzzGame->game;
  g.Options.SkinsList = {"Normal", "ParisDress"};
  const zunda::SkinImportResult result =
      zunda::ImportSkin(g, app, source / "skin.ini", zunda::OpenSkinIni);

  Require(zunda::fuzz::FilesBelow(source) == sourceFiles, "the source folder is left alone");
  std::vector<fs::path> top;
  for (const fs::directory_entry& entry : fs::directory_iterator(work)) {
    top.push_back(entry.path().filename());
  }
  std::sort(top.begin(), top.end());
  Require(top == std::vector<fs::path>{"app", "source"}, "nothing is written beside the program");
  for (const fs::path& file : zunda::fuzz::FilesBelow(app)) {
    Require(file.begin() != file.end() && *file.begin() == "Skins" &&
                std::distance(file.begin(), file.end()) >= 3,
            "files go into a skin folder under Skins");
  }
  const std::vector<std::string>& list = g.Options.SkinsList;
  if (result == zunda::SkinImportResult::Imported) {
    for (const std::string& name : list) {
      Require(zunda::IsSafeSkinName(name), "a listed skin has a usable folder name");
    }
    Require(list.size() <= 3, "an import adds at most one skin");
  } else {
    Require(list.size() == 2, "a failed import leaves the skin list");
  }
  return 0;
}

// The current skin's skin.ini as start-up reads it, through the program's own INI opener.
#include <cstdint>
#include <string>

#include "core/options.h"
#include "core/text.h"
#include "fuzz_support.h"
#include "ui/skin_ini.h"
#include "ui/skins.h"

namespace {

namespace fs = std::filesystem;
using zunda::fuzz::Require;

// A program folder with the Normal faces the fallback names and a skin with a few pictures
// in other cases and sub folders, so that the case-blind lookups have something to find.
void MakeProgramFolder(const fs::path& app) {
  for (const char* file : {"Skins/Normal/c03.bmp", "Skins/Normal/j17.bmp", "Skins/Fuzz/Back.JPG",
                           "Skins/Fuzz/Faces/C03.png", "Skins/Fuzz/j16.PNG", "Skins/Other/x.png"}) {
    zunda::fuzz::WriteFile(app / file, "picture");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fs::path app = [] {
    fs::path folder = zunda::fuzz::WorkFolder() / "app";
    MakeProgramFolder(folder);
    return folder;
  }();
  zunda::fuzz::WriteFile(app / "Skins/Fuzz/skin.ini", data, size);

  zunda::OptionsModel options;
  options.SkinsList = {"Normal", "Fuzz", "Other"};
  options.CurSkin = "fuzz";
  zunda::SkinState skins;
  zunda::LoadSkins(skins, options, app, zunda::OpenSkinIni);

  Require(skins.CurIndex == 1, "the current skin is found in the list");
  Require(skins.DisplayName == zunda::Trim(skins.DisplayName), "a trimmed display name");
  for (int picture = 1; picture <= zunda::kCardPictures; ++picture) {
    Require(!skins.CardPictures[picture].empty(), "every card has a picture");
  }
  return 0;
}

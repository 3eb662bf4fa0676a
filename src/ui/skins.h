#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/save_result.h"
#include "core/skin_state.h"

namespace zunda {

struct Game;
struct OptionsModel;

// One value of an opened INI file, "" when the section or key is missing. The program binds it
// to its INI file class; the skin code itself never parses a file.
using IniLookup = std::function<std::string(const std::string& section, const std::string& key)>;
// Opens an INI file for reading. A missing file gives a lookup that answers "" for every key.
using IniOpener = std::function<IniLookup(const std::filesystem::path& file)>;

inline constexpr std::string_view kSkinsFolder = "Skins";
inline constexpr std::string_view kNormalSkin = "Normal";

// The path of `relative` under `base`, each part matched without regard to case when the exact
// spelling is not there (skin files come from a case-blind file system). When a part is
// missing, the rest is appended as written, so the result simply does not exist.
std::filesystem::path ResolveNoCase(const std::filesystem::path& base, std::string_view relative);

// A skin name that can be used as one folder name under Skins/: not blank, no path separator,
// no "..", no character a folder name cannot hold.
bool IsSafeSkinName(std::string_view name);

// The Normal face of a card code: skins/normal/<code>.bmp under the program folder.
std::filesystem::path NormalFacePath(const std::filesystem::path& appPath, std::string_view code);

// Fills the skin list from the options (SkinsList, CurSkin) and resolves the pictures of the
// current skin; every card its skin.ini leaves out falls back to the Normal face.
void LoadSkins(SkinState& skins, const OptionsModel& options, const std::filesystem::path& appPath,
               const IniOpener& openIni);

// The face picture of a card code in the current skin; the Normal face when the skin table has
// not been filled.
std::filesystem::path CardPicturePath(const SkinState& skins, const std::filesystem::path& appPath,
                                      std::string_view code);

// The three pictures the options dialog shows for a skin: background, big joker and the king of
// diamonds, each replaced by the Normal skin's picture when the skin has none.
std::array<std::filesystem::path, 3> SkinPreviewPictures(const std::filesystem::path& appPath,
                                                         std::string_view folder);

enum class SkinImportResult {
  Imported,
  NoFileChosen,
  WrongFormat,
  Declined,
  // The name cannot be kept in the skin list (a comma, a character the option file cannot
  // hold, no room left): it would be gone after a restart.
  ListFull,
  CopyFailed,
};

// Imports the skin described by `chosenIni` into Skins/<Name>/ and adds it to the skin list
// (g.Options.SkinsList and g.Skins.Folders); every file is written whole or not at all.
// `saveList` then writes the list to the option file; the player is told when it could not.
// Messages and the overwrite question go through the game's message box.
SkinImportResult ImportSkin(Game& g, const std::filesystem::path& appPath,
                            const std::filesystem::path& chosenIni, const IniOpener& openIni,
                            const std::function<SaveResult()>& saveList = {});

}  // namespace zunda

#pragma once

#include <filesystem>

#include "ui/skins.h"

namespace zunda {

// The program's own IniOpener: skin.ini files are read through the INI storage (GBK,
// case-blind file names), once when opened: a skin asks for some sixty keys in a row.
IniLookup OpenSkinIni(const std::filesystem::path& file);

}  // namespace zunda

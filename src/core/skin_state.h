#pragma once

#include <string>
#include <vector>

#include "core/checked_array.h"

namespace zunda {

inline constexpr int kMaxSkins = 100;
inline constexpr int kCardPictures = 54;

// The installed skins and the resolved pictures of the one in use. Paths are full paths
// (UTF-8); an empty background means the table is drawn without a picture.
struct SkinState {
  std::vector<std::string> Folders;  // the skin list: folder names under Skins/
  int CurIndex = -1;                 // entry of Folders that is in use, -1 when none matches
  std::string CurFolder;             // the folder name in use
  std::string DisplayName;           // Name from the skin's skin.ini
  Arr<std::string, 1, kCardPictures> CardPictures;  // by picture number of the card code
  std::string Background;
  bool operator==(const SkinState&) const = default;
};

}  // namespace zunda

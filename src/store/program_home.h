#pragma once

#include <filesystem>
#include <optional>

namespace zunda {

// The program keeps its settings, scores and saved hands in its program folder and reads its
// pictures, music and help documents from there too. Which folder that is depends on how the
// program lies on disk:
// - a build folder or a portable folder: the data folders lie beside the executable, and the
//   executable's folder is the program folder;
// - an installed layout (<prefix>/bin/zunda with <prefix>/share/zunda): the installed files
//   belong to the system, so every user plays in a folder of their own under the platform's
//   application-data location, filled with the shipped data on its first start.
// The layout decides, not write permission: root may write anywhere and still must not play
// inside /usr/bin.

// The data folders shipped with the program; a program folder needs them beside Option.ini.
inline constexpr const char* kShippedDataFolders[] = {"Data", "Skins", "Sound", "Help"};

struct ProgramHome {
  std::filesystem::path Folder;       // the program folder
  std::filesystem::path ShippedData;  // the folder that holds the shipped data folders
};

// <prefix>/share/zunda when `executableFolder` is <prefix>/bin of an installed layout and no
// data folder lies beside the executable; nothing otherwise.
std::optional<std::filesystem::path> InstalledDataFolder(
    const std::filesystem::path& executableFolder);

// --home wins; otherwise the per-user folder for an installed layout, else the executable's
// folder. The shipped data is read from the install's share folder or the executable's folder.
ProgramHome ChooseProgramHome(const std::filesystem::path& executableFolder,
                              const std::optional<std::filesystem::path>& home,
                              const std::filesystem::path& userDataFolder);

// Where this user's program folder lies when the program is installed: "zunda" in the
// platform's per-user data location (~/.local/share/zunda on Linux).
std::filesystem::path UserDataFolder();

struct SeedResult {
  int Copied = 0;  // files copied into the program folder
  bool Ok = true;  // false when a folder or a file could not be made
};

// Makes the program folder and, while it holds no Option.ini (its first start), copies into it
// every shipped data file it lacks. Files already there are the user's and are never replaced.
// Nothing is copied when the program folder is where the shipped data lies.
SeedResult PrepareProgramFolder(const ProgramHome& home);

}  // namespace zunda

#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zunda {

struct Game;
struct OptionsModel;

// What the options dialog needs from the rest of the program. The main window binds these to
// the skins and score modules; an unbound hook is simply skipped.
struct OptionsDialogHooks {
  // Picture files that preview a skin folder (the table background, a big joker, a card face),
  // pictures the skin lacks already replaced by the Normal skin's.
  std::function<std::vector<std::string>(const std::string& skin)> SkinPreview;
  // Imports the skin described by the skin.ini at the path ("" when no file is chosen) and tells
  // the user how it went. Returns the imported skin's folder name, "" when nothing came in.
  std::function<std::string(const std::string& iniPath)> ImportSkin;
  // A deleted player's scores leave the score file.
  std::function<void(const std::string& name)> DeletePlayerScores;
  // Another player took the human seat: its scores are read.
  std::function<void()> PlayerLoggedIn;
};

// The state every page of the dialog edits: the game (for its folders and message boxes), the
// copy of the options that OK puts in place, and the hooks.
struct OptionsEditContext {
  Game& g;
  OptionsModel& options;
  const OptionsDialogHooks& hooks;
};

}  // namespace zunda

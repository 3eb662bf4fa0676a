#pragma once

#include <string>
#include <vector>

#include "core/save_result.h"

namespace zunda {

struct Game;

inline constexpr const char* kOptionFileName = "Option.ini";

// The option file in the program folder (g.AppPath), found without regard to case.
std::string OptionFilePath(const Game& g);

// Writes the first-run option file: one player "Aldor" without a password, the skins, the
// tribute rule, the waits, the boss caption and an empty music list. Also sets the boss caption.
SaveResult WriteDefaultOptions(Game& g);

enum class OptionsLoadResult {
  Loaded,
  // Num was unusable: the faulty file has been set aside under a new name, the defaults
  // written and the user told to start again (or, when the file could not be set aside, told
  // that nothing was changed). The program must end now.
  RebuiltEndProgram,
};

// Reads the whole option file into g.Options (the values the options dialog edits: players,
// current player, Remember, skins, tribute rule, delays on the dialog's scales, boss caption,
// run-data switch, music) and into the globals g.PlayerCount and the ordinary and Zunda waits.
OptionsLoadResult LoadOptions(Game& g);

// Writes the whole option file from g.Options and puts the four waits into the globals.
SaveResult WriteOptionFile(Game& g);
// WriteOptionFile, and a failure told to the player once (not again while it keeps failing).
void SaveOptions(Game& g);

// The skin list as the option file keeps it: folder names joined by ",".
std::vector<std::string> SplitSkinsList(const std::string& list);
std::string JoinSkinsList(const std::vector<std::string>& names);

// Whether a skin name can join the list and still be there after a restart.
enum class SkinNameFit {
  Fits,
  HasComma,     // the comma separates the names
  NotStorable,  // a character the GBK option file cannot hold
  ListTooLong,  // the list would be longer than the reader returns
};
SkinNameFit FitsSkinsList(const std::vector<std::string>& list, const std::string& name);

// The four waits of start-up. When the option file exists they are read from it (a missing
// key reads as 0) and OptionFilePresent is set; otherwise 0.01, 0.01, 1 and 5 seconds.
void LoadWaits(Game& g);

}  // namespace zunda

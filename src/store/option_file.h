#pragma once

#include <string>

namespace zunda {

struct Game;

inline constexpr const char* kOptionFileName = "Option.ini";

// The option file in the program folder (g.AppPath), found without regard to case.
std::string OptionFilePath(const Game& g);

// Writes the first-run option file: one player "Aldor" without a password, the skins, the
// tribute rule, the waits, the boss caption and an empty music list. Also sets the boss caption.
void WriteDefaultOptions(Game& g);

enum class OptionsLoadResult {
  Loaded,
  // Num was unusable: the file has been rebuilt with defaults and the user told to start
  // again. The program must end now.
  RebuiltEndProgram,
};

// Reads the whole option file into g.Options (the values the options dialog edits: players,
// current player, Remember, skins, tribute rule, delays on the dialog's scales, boss caption,
// run-data switch, music) and into the globals g.PlayerCount and the ordinary and Zunda waits.
OptionsLoadResult LoadOptions(Game& g);

// Writes the whole option file from g.Options and puts the four waits into the globals.
void SaveOptions(Game& g);

// The four waits of start-up. When the option file exists they are read from it (a missing
// key reads as 0) and OptionFilePresent is set; otherwise 0.01, 0.01, 1 and 5 seconds.
void LoadWaits(Game& g);

}  // namespace zunda

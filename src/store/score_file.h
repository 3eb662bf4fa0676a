#pragma once

#include <string>
#include <string_view>

#include "core/save_result.h"

namespace zunda {

struct Game;

inline constexpr const char* kScoreFileName = "score.ini";

// The score file in the program folder: one section per seat or player name (blanks trimmed),
// the ten counters as decimal text. A missing file, section or key reads as 0. A damaged file
// (see classIniFile::FileState) is renamed before it is read or written, and the player told.
std::string ScoreFilePath(const Game& g);

// Reads the counters of the six seats and of every player with a name.
void LoadScores(Game& g);
// Writes the counters of the six seats and of every player with a name.
SaveResult SaveScoreFile(const Game& g);
// The totals of the six seats as the score file holds them, added up. The points of a hand
// go to one team as they come off the other, so from a fresh file this stays 0.
long long SeatScoreSumInFile(const Game& g);
// Removes the section of a deleted player with its counters.
SaveResult DeletePlayerScores(const Game& g, std::string_view name);

}  // namespace zunda

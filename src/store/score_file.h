#pragma once

#include <string>
#include <string_view>

namespace zunda {

struct Game;

inline constexpr const char* kScoreFileName = "score.ini";

// The score file in the program folder: one section per seat or player name (blanks trimmed),
// the ten counters as decimal text. A missing file, section or key reads as 0.
std::string ScoreFilePath(const Game& g);

// Reads the counters of the six seats and of every player with a name.
void LoadScores(Game& g);
// Writes the counters of the six seats and of every player with a name.
void SaveScoreFile(const Game& g);
// The totals of the six seats as the score file holds them, added up. The points of a hand
// go to one team as they come off the other, so from a fresh file this stays 0.
long long SeatScoreSumInFile(const Game& g);
// Removes the ten counters and then the section of a deleted player.
void DeletePlayerScores(const Game& g, std::string_view name);

}  // namespace zunda

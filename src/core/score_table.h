#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/checked_array.h"
#include "core/options.h"

namespace zunda {

struct Game;

// The ten score counters of a seat or player, in this order, under these keys.
inline constexpr int kScoreCounters = 10;
inline constexpr std::array<std::string_view, kScoreCounters> kScoreKeys = {
    "score", "one", "two", "three", "four", "five", "six", "threewin", "threelost", "RestartNum"};
inline constexpr int kScoreIndex = 1;
inline constexpr int kThreeWinIndex = 8;
inline constexpr int kThreeLostIndex = 9;
inline constexpr int kRestartIndex = 10;

using ScoreCounters = Arr<std::int32_t, 1, kScoreCounters>;
using PlayerTable = Arr<PlayerEntry, 0, kMaxPlayers - 1>;

// A name as it is compared and used as the score file's section: trailing NULs dropped (the
// INI reader may pad with them), then blanks trimmed at both ends.
std::string ScoreName(std::string_view name);
bool SameScoreName(std::string_view a, std::string_view b);

// Adds the points to the total of every seat on seat's team, seat included.
void AddTeamPoints(Game& g, int seat, std::int32_t points);
// Turns the finishing places of the hand just ended into points and placing counts (or the
// triple-capture counts), then copies every seat's counters into the player of that name.
void RecordHandResult(Game& g);
// The logged-in player has loaded a saved hand.
void RecordRestart(Game& g);

// The player table sorted into descending order of the total or of the restarts by an
// exchange sort; empty entries take part, equal keys are not swapped.
PlayerTable SortByScore(const PlayerTable& players);
PlayerTable SortByRestarts(const PlayerTable& players);

// The eleven columns of the ranking window: the row number with the name, then the ten
// counters, for at most ten players with a name.
struct RankingColumns {
  std::vector<std::string> Names;
  std::array<std::vector<std::string>, kScoreCounters> Counters;
};
RankingColumns RankingTable(const PlayerTable& players, bool byScore);

// The ranking of the ten best players in the main window's talk list.
void ShowRankingInTalkList(Game& g);

}  // namespace zunda

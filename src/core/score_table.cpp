#include "core/score_table.h"

#include <algorithm>
#include <limits>

#include "core/game.h"
#include "core/seats.h"
#include "core/text.h"

namespace zunda {

namespace {

constexpr int kShownRows = 10;
constexpr std::int32_t kCapturePoints = 12;

// The counters are 32-bit; a total that would overflow stays at the limit instead of turning
// into a wrong sign.
std::int32_t AddSaturated(std::int32_t a, std::int32_t b) {
  const std::int64_t sum = static_cast<std::int64_t>(a) + b;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int32_t PlacePoints(int place) {
  constexpr std::array<std::int32_t, 6> kPoints = {4, 2, 0, 0, -2, -4};
  return kPoints[static_cast<std::size_t>(place - 1)];
}

PlayerTable SortBy(const PlayerTable& players, int key) {
  PlayerTable sorted = players;
  for (int i = 0; i < kMaxPlayers - 1; ++i) {
    for (int j = i + 1; j < kMaxPlayers; ++j) {
      if (sorted[i].Stats[key] < sorted[j].Stats[key]) std::swap(sorted[i], sorted[j]);
    }
  }
  return sorted;
}

std::string RowNumber(int row) {
  std::string number = row < 10 ? "0" : "";
  number += std::to_string(row);
  return number;
}

}  // namespace

std::string ScoreName(std::string_view name) {
  while (!name.empty() && name.back() == '\0')
    name.remove_suffix(1);
  return Trim(name);
}

bool SameScoreName(std::string_view a, std::string_view b) {
  return ScoreName(a) == ScoreName(b);
}

void AddTeamPoints(Game& g, int seat, std::int32_t points) {
  for (int other = 1; other <= kSeats; ++other) {
    if (SameTeam(other, seat)) {
      std::int32_t& total = g.Seats[other].Stats[kScoreIndex];
      total = AddSaturated(total, points);
    }
  }
}

void RecordHandResult(Game& g) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    SeatRecord& s = g.Seats[seat];
    if (g.TripleCapture) {
      const bool won = s.Place >= 1 && s.Place < 4;
      s.Stats[kScoreIndex] =
          AddSaturated(s.Stats[kScoreIndex], won ? kCapturePoints : -kCapturePoints);
      std::int32_t& count = s.Stats[won ? kThreeWinIndex : kThreeLostIndex];
      count = AddSaturated(count, 1);
    } else if (s.Place >= 1 && s.Place <= kSeats) {
      // The place counters follow the total: "one" is counter 2, "six" counter 7.
      std::int32_t& count = s.Stats[s.Place + 1];
      count = AddSaturated(count, 1);
      AddTeamPoints(g, seat, PlacePoints(s.Place));
    }
  }
  for (PlayerEntry& player : g.Options.Players) {
    if (ScoreName(player.Name).empty()) continue;
    for (int seat = 1; seat <= kSeats; ++seat) {
      if (SameScoreName(player.Name, g.Seats[seat].Name)) player.Stats = g.Seats[seat].Stats;
    }
  }
}

void RecordRestart(Game& g) {
  PlayerEntry& player = g.Options.Players[g.Options.CurPlayer];
  player.Stats[kRestartIndex] = AddSaturated(player.Stats[kRestartIndex], 1);
  g.Seats[g.HumanSeat].Stats[kRestartIndex] = player.Stats[kRestartIndex];
}

PlayerTable SortByScore(const PlayerTable& players) {
  return SortBy(players, kScoreIndex);
}

PlayerTable SortByRestarts(const PlayerTable& players) {
  return SortBy(players, kRestartIndex);
}

RankingColumns RankingTable(const PlayerTable& players, bool byScore) {
  const PlayerTable sorted = byScore ? SortByScore(players) : SortByRestarts(players);
  RankingColumns columns;
  int row = 0;
  for (const PlayerEntry& player : sorted) {
    const std::string name = ScoreName(player.Name);
    if (name.empty()) continue;
    if (++row > kShownRows) break;
    columns.Names.push_back(RowNumber(row) + " " + FixedWidth(name, 10));
    for (int counter = 1; counter <= kScoreCounters; ++counter) {
      const std::size_t width = counter == kScoreIndex ? 12 : 8;
      columns.Counters[static_cast<std::size_t>(counter - 1)].push_back(
          FixedWidth(std::to_string(player.Stats[counter]), width));
    }
  }
  return columns;
}

void ShowRankingInTalkList(Game& g) {
  const PlayerTable sorted = SortByScore(g.Options.Players);
  ListBox& talk = g.Win.LstTalk;
  talk.Clear();
  talk.AddItem("Zunda战绩排名:");
  int row = 0;
  for (const PlayerEntry& player : sorted) {
    const std::string name = ScoreName(player.Name);
    if (name.empty()) continue;
    if (++row > kShownRows) break;
    talk.AddItem(RowNumber(row) + " " + FixedWidth(name, 10) + " " +
                 FixedWidth(std::to_string(player.Stats[kScoreIndex]), 10));
  }
  talk.AddItem(" ");
  talk.AddItem("本软件随时更新，欢迎下载最新版本。");
}

}  // namespace zunda

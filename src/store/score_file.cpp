#include "store/score_file.h"

#include "core/game.h"
#include "core/score_table.h"
#include "core/text.h"
#include "store/ini_file.h"
#include "store/program_folder.h"

namespace zunda {

namespace {

// The reader asks for the place keys with a capital letter; keys match without regard to case.
constexpr std::array<std::string_view, kScoreCounters> kReadKeys = {
    "score", "One", "Two", "Three", "Four", "Five", "Six", "Threewin", "Threelost", "RestartNum"};

void ReadCounters(const classIniFile& file, const std::string& section, ScoreCounters& counters) {
  for (int i = 1; i <= kScoreCounters; ++i) {
    const std::string value = file.GetIniKey(section, kReadKeys[static_cast<std::size_t>(i - 1)]);
    counters[i] = static_cast<std::int32_t>(ValInt(CleanIniValue(value)));
  }
}

void AddCounters(std::vector<classIniFile::KeyValue>& entries, const std::string& section,
                 const ScoreCounters& counters) {
  for (int i = 1; i <= kScoreCounters; ++i) {
    entries.push_back({section, std::string(kScoreKeys[static_cast<std::size_t>(i - 1)]),
                       std::to_string(counters[i])});
  }
}

}  // namespace

std::string ScoreFilePath(const Game& g) {
  return ProgramFile(g, kScoreFileName);
}

void LoadScores(Game& g) {
  const classIniFile file(ScoreFilePath(g));
  for (SeatRecord& seat : g.Seats) {
    const std::string section = ScoreName(seat.Name);
    if (!section.empty()) ReadCounters(file, section, seat.Stats);
  }
  for (PlayerEntry& player : g.Options.Players) {
    const std::string section = ScoreName(player.Name);
    if (!section.empty()) ReadCounters(file, section, player.Stats);
  }
}

void SaveScoreFile(const Game& g) {
  // One rewrite of the file for all counters: this runs after every hand.
  std::vector<classIniFile::KeyValue> entries;
  for (const SeatRecord& seat : g.Seats) {
    const std::string section = ScoreName(seat.Name);
    if (!section.empty()) AddCounters(entries, section, seat.Stats);
  }
  for (const PlayerEntry& player : g.Options.Players) {
    const std::string section = ScoreName(player.Name);
    if (!section.empty()) AddCounters(entries, section, player.Stats);
  }
  classIniFile(ScoreFilePath(g)).WriteIniKeys(entries);
}

long long SeatScoreSumInFile(const Game& g) {
  const classIniFile file(ScoreFilePath(g));
  long long sum = 0;
  for (const SeatRecord& seat : g.Seats)
    sum += ValInt(CleanIniValue(file.GetIniKey(ScoreName(seat.Name), "score")));
  return sum;
}

void DeletePlayerScores(const Game& g, std::string_view name) {
  const std::string section = ScoreName(name);
  if (section.empty()) return;
  const classIniFile file(ScoreFilePath(g));
  for (std::string_view key : kScoreKeys)
    file.DelIniKey(section, key);
  file.DelIniSec(section);
}

}  // namespace zunda

#include "store/score_file.h"

#include <QString>
#include <optional>

#include "core/game.h"
#include "core/save_messages.h"
#include "core/score_table.h"
#include "core/text.h"
#include "store/ini_file.h"
#include "store/program_folder.h"
#include "store/safe_write.h"

namespace zunda {

namespace {

const char* const kSetAsideMessage = "成绩文件“%1”已损坏，已改名为“%2”保存；成绩从零开始重新记录。";

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

// A damaged score file is the only record of the scores it held: it is renamed, never
// overwritten, and the player is told where it went. Nothing when the file is not damaged
// or is set aside now; the error when it is damaged but cannot be moved.
std::optional<SaveResult> SetAsideIfDamaged(const Game& g, const classIniFile& file) {
  if (file.State() != classIniFile::FileState::Damaged) return std::nullopt;
  const QString path = QString::fromStdString(ResolveFileNoCase(file.INIFile()));
  SaveResult refused;
  const std::optional<QString> kept = SetAside(path, refused);
  if (!kept) return refused;
  g.host->MessageBox(FillIn(kSetAsideMessage, {path.toStdString(), kept->toStdString()}),
                     Host::Buttons::Ok, Host::Icon::Exclamation);
  return std::nullopt;
}

}  // namespace

std::string ScoreFilePath(const Game& g) {
  return ProgramFile(g, kScoreFileName);
}

void LoadScores(Game& g) {
  const classIniFile file(ScoreFilePath(g));
  SetAsideIfDamaged(g, file);
  for (SeatRecord& seat : g.Seats) {
    const std::string section = ScoreName(seat.Name);
    if (!section.empty()) ReadCounters(file, section, seat.Stats);
  }
  for (PlayerEntry& player : g.Options.Players) {
    const std::string section = ScoreName(player.Name);
    if (!section.empty()) ReadCounters(file, section, player.Stats);
  }
}

SaveResult SaveScoreFile(const Game& g) {
  const classIniFile file(ScoreFilePath(g));
  if (const std::optional<SaveResult> refused = SetAsideIfDamaged(g, file)) return *refused;
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
  return file.WriteIniKeys(entries);
}

long long SeatScoreSumInFile(const Game& g) {
  const classIniFile file(ScoreFilePath(g));
  long long sum = 0;
  for (const SeatRecord& seat : g.Seats)
    sum += ValInt(CleanIniValue(file.GetIniKey(ScoreName(seat.Name), "score")));
  return sum;
}

SaveResult DeletePlayerScores(const Game& g, std::string_view name) {
  const std::string section = ScoreName(name);
  if (section.empty()) return {};
  const classIniFile file(ScoreFilePath(g));
  if (const std::optional<SaveResult> refused = SetAsideIfDamaged(g, file)) return *refused;
  // The section goes with its keys in it: one write of the file.
  return file.DelIniSec(section);
}

}  // namespace zunda

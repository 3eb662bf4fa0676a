// The score file as start-up and the log-in read it: the counters of the seats and of the
// players with a name. Saved and loaded again, they must come back the same. A file that is
// not text is kept whole under another name and the player told; it is never overwritten.
#include <cstdint>
#include <string>
#include <vector>

#include "core/score_table.h"
#include "fuzz_support.h"
#include "store/score_file.h"

namespace {

using zunda::Game;
using zunda::fuzz::Require;

// The seeds' sections: seat names, a player of the same name as a seat, Chinese names, one
// with blanks around it.
void NamePlayers(Game& g) {
  const std::vector<std::string> names = {"Aldor", "Bersa", "张三", " 李四 ", "Quiet"};
  g.Options.PlayerNum = static_cast<int>(names.size());
  for (std::size_t i = 0; i < names.size(); ++i)
    g.Options.Players[static_cast<int>(i)].Name = names[i];
}

std::vector<zunda::ScoreCounters> AllCounters(const Game& g) {
  std::vector<zunda::ScoreCounters> all;
  for (const zunda::SeatRecord& seat : g.Seats)
    all.push_back(seat.Stats);
  for (const zunda::PlayerEntry& player : g.Options.Players)
    all.push_back(player.Stats);
  return all;
}

std::vector<zunda::ScoreCounters> LoadFresh(const std::filesystem::path& app) {
  auto fresh = zunda::fuzz::MakeGame(app);
  NamePlayers(fresh->game);
  zunda::LoadScores(fresh->game);
  return AllCounters(fresh->game);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto app = zunda::fuzz::WorkFolder() / "app";
  zunda::fuzz::EmptyFolder(app);
  zunda::fuzz::WriteFile(app / zunda::kScoreFileName, data, size);

  auto started = zunda::fuzz::MakeGame(app);
  Game& g = started->game;
  NamePlayers(g);
  zunda::LoadScores(g);
  const std::vector<zunda::ScoreCounters> loaded = AllCounters(g);

  const bool setAside = !started->host.Messages().empty();
  Require(!setAside || zunda::fuzz::ReadFile(app / "score-damaged-1.ini") ==
                           std::string(reinterpret_cast<const char*>(data), size),
          "a damaged score file is kept whole under another name");
  zunda::SaveScoreFile(g);
  std::vector<std::filesystem::path> written = {zunda::kScoreFileName};
  if (setAside) written.insert(written.begin(), "score-damaged-1.ini");
  Require(zunda::fuzz::FilesBelow(app) == written,
          "the score file is the only file written, beside a damaged one set aside");
  Require(LoadFresh(app) == loaded, "saving and loading keep the counters");
  long long seatSum = 0;
  for (const zunda::SeatRecord& seat : g.Seats)
    seatSum += seat.Stats[1];
  Require(zunda::SeatScoreSumInFile(g) == seatSum, "the file adds up to the seats' totals");
  return 0;
}

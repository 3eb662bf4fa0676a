// zunda-sim's checks find a broken load and points that do not add up to zero.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <filesystem>
#include <sstream>

#include "core/score_table.h"
#include "sim/hand_runner.h"
#include "sim/sim_options.h"
#include "store/ini_file.h"
#include "store/score_file.h"
#include "store/snapshot.h"

namespace zunda {
namespace {

sim::SimOptions WholeHands(long long hands, std::uint64_t seed, long long points) {
  sim::SimOptions options;
  options.hands = hands;
  options.seed = seed;
  options.check = true;
  options.saveRestore = points;
  return options;
}

struct SimRun {
  std::string report;
  sim::SimSummary summary;
};

// Plays `hands` hands with a hook between every save and its load.
SimRun RunSpoilt(const sim::SimOptions& options,
                 std::function<void(const std::string& folder)> betweenSaveAndLoad) {
  std::ostringstream report;
  SimRun run;
  sim::HandRunner runner(options, report, nullptr);
  runner.BetweenSaveAndLoad(std::move(betweenSaveAndLoad));
  while (runner.Summary().hands < options.hands && runner.PlayHand()) {
  }
  run.summary = runner.Finish();
  run.report = report.str();
  return run;
}

TEST(SimSaveRestore, ALoadThatFailsOrLoadsAnotherGameIsAViolation) {
  // The state file cut in half: every load is refused.
  const SimRun cut = RunSpoilt(WholeHands(3, 4, 6), [](const std::string& folder) {
    QFile state(QString::fromStdString(folder + "/" + std::string(kSavedStateFile)));
    ASSERT_TRUE(state.resize(state.size() / 2));
  });
  EXPECT_EQ(cut.summary.violations, 6) << cut.report;
  EXPECT_NE(cut.report.find("refused"), std::string::npos) << cut.report;

  // A sound pair, but the one of the first point: later loads go back to an earlier game.
  const std::filesystem::path kept =
      std::filesystem::temp_directory_path() / ("zunda-sim-test-" + std::to_string(::getpid()));
  std::filesystem::create_directories(kept);
  bool first = true;
  const SimRun stale = RunSpoilt(WholeHands(4, 4, 4), [&](const std::string& folder) {
    for (std::string_view name : {kSavedHandsFile, kSavedStateFile}) {
      const std::filesystem::path saved = std::filesystem::path(folder) / name;
      if (first) {
        std::filesystem::copy_file(saved, kept / name);
      } else {
        std::filesystem::copy_file(kept / name, saved,
                                   std::filesystem::copy_options::overwrite_existing);
      }
    }
    first = false;
  });
  EXPECT_GT(stale.summary.violations, 0) << stale.report;
  EXPECT_NE(stale.report.find("after the save and restore at step"), std::string::npos)
      << stale.report;
}

TEST(SimScoreFile, TheSeatsPointsMustAddUpToZeroInAFileOfItsOwn) {
  std::ostringstream report;
  std::string folder;
  {
    sim::HandRunner runner(WholeHands(3, 5, 0), report, nullptr);
    ASSERT_TRUE(runner.PlayHand());
    ASSERT_EQ(runner.Summary().violations, 0) << report.str();
    Game& g = runner.GameInPlay();
    folder = runner.ProgramFolder();
    ASSERT_NE(folder, "");
    ASSERT_EQ(ScoreFilePath(g).rfind(folder, 0), 0u) << ScoreFilePath(g);
    ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(ScoreFilePath(g))));

    // Points that came off no other seat, read in as the program reads its file at start.
    const std::string seat = ScoreName(g.Seats[2].Name);
    const classIniFile file(ScoreFilePath(g));
    file.WriteIniKey(seat, "score", std::to_string(g.Seats[2].Stats[kScoreIndex] + 5));
    LoadScores(g);
    ASSERT_TRUE(runner.PlayHand());
    EXPECT_EQ(runner.Summary().violations, 1);
    EXPECT_NE(report.str().find("add up to 5"), std::string::npos) << report.str();
  }
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(folder)));
}

}  // namespace
}  // namespace zunda

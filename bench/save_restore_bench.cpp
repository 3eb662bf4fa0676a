#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "core/game.h"
#include "core/scripted_host.h"
#include "core/startup_defaults.h"
#include "hand_driver.h"
#include "rules/human_input.h"
#include "store/snapshot.h"

namespace zunda {
namespace {

// The save command and the load command on a hand in the middle of its first round: both
// files written, read back, checked and taken over, through the program's own code. The
// folder is on /dev/shm when it can be, so that the figure is the program's work rather than
// the disk's.
void BM_SaveRestore(benchmark::State& state) {
  const QFileInfo shm("/dev/shm");
  const QString scratch = shm.isDir() && shm.isWritable() ? "/dev/shm" : QDir::tempPath();
  QTemporaryDir folder(scratch + "/zunda-bench-XXXXXX");
  ScriptedHost host(2);
  auto game = std::make_unique<Game>(host);
  Game& g = *game;
  SetStartupDefaults(g);
  g.AppPath = folder.path().toStdString();
  testing::HandDriver driver(g, host);
  driver.NewGame();
  // On until the human's second turn: plays on the table and events in the list.
  int humanTurns = 0;
  bool awaited = false;
  while (humanTurns < 2 && driver.Advance()) {
    const bool now = HumanAwaited(g) && !g.Win.TmrMainCircle.Enabled;
    if (now && !awaited) ++humanTurns;
    awaited = now;
  }
  if (humanTurns < 2) {
    state.SkipWithError("the hand did not reach the human's second turn");
    return;
  }
  for (auto _ : state) {
    const std::string problem = SaveAndRestoreInPlace(g, g.AppPath);
    if (!problem.empty()) {
      state.SkipWithError(problem.c_str());
      break;
    }
  }
}
BENCHMARK(BM_SaveRestore)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zunda

// The longest the window's thread goes unanswered while whole hands play (scripts/bench):
// a 10 ms timer on that thread notes the longest time between two of its ticks while the
// program plays hands as fast as its event loop lets it, seat 1 by the autopilot, at the
// option file's waits (passed on a virtual clock, so the gaps are the program's work). Then
// the same timer runs alone for as long: its longest gap is what the machine gives a bare Qt
// timer in the same run. Prints "hands_gap_ms X" and "bare_gap_ms Y".
//   zunda_window_stall [HANDS]      (default 2)
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/game.h"
#include "program_test_host.h"
#include "store/ini_file.h"
#include "store/option_file.h"
#include "store/program_folder.h"
#include "ui/game_controller.h"
#include "ui/main_window.h"
#include "ui/program_start.h"
#include "window_hand_driver.h"

namespace {

class Watchdog {
 public:
  Watchdog() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      const qint64 now = clock_.nsecsElapsed();
      largestGapNs_ = std::max(largestGapNs_, now - last_);
      last_ = now;
    });
    clock_.start();
    timer_.start(10);
  }
  double LargestGapMs() const { return static_cast<double>(largestGapNs_) / 1e6; }

 private:
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 last_ = 0;
  qint64 largestGapNs_ = 0;
};

// A program folder with the shipped data and a remembered player, so that no dialog opens.
bool PrepareFolder(const std::string& folder) {
  std::error_code error;
  std::filesystem::copy(ZUNDA_SOURCE_DATA, folder, std::filesystem::copy_options::recursive, error);
  if (error) return false;
  zunda::testing::ProgramTestHost host;
  zunda::Game scratch(host);
  scratch.AppPath = zunda::MakeAppPath(folder);
  zunda::WriteDefaultOptions(scratch);
  zunda::classIniFile(folder + "/" + zunda::kOptionFileName).WriteIniKey("Player", "Remember", "1");
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  QApplication app(argc, argv);
  const int hands = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2;
  QTemporaryDir dir;
  if (!dir.isValid() || !PrepareFolder(dir.path().toStdString())) {
    std::fprintf(stderr, "zunda_window_stall: cannot prepare a program folder\n");
    return 1;
  }
  zunda::testing::ProgramTestHost host(11);
  zunda::Game g(host);
  zunda::StartSettings settings;
  settings.ProgramFolder = dir.path().toStdString();
  settings.ShowSplash = false;
  auto program = zunda::StartProgram(g, host, settings);
  if (!program || program->Controller() == nullptr) {
    std::fprintf(stderr, "zunda_window_stall: the program did not start\n");
    return 1;
  }
  program->Controller()->SetManualMainTick(true);
  program->Window().MenuAction(zunda::MenuCommand::ZundaRun)->trigger();

  QElapsedTimer played;
  played.start();
  double handsGapMs = 0;
  {
    const Watchdog watchdog;
    const std::string failure =
        zunda::testing::PlayHandsInWindow(g, *program->Controller(), host, hands);
    if (!failure.empty()) {
      std::fprintf(stderr, "zunda_window_stall: %s\n", failure.c_str());
      return 1;
    }
    handsGapMs = watchdog.LargestGapMs();
  }
  const auto playedMs = static_cast<int>(std::max<qint64>(played.elapsed(), 1000));

  double bareGapMs = 0;
  {
    const Watchdog watchdog;
    QEventLoop idle;
    QTimer::singleShot(playedMs, &idle, &QEventLoop::quit);
    idle.exec();
    bareGapMs = watchdog.LargestGapMs();
  }
  std::printf("hands_gap_ms %.1f\nbare_gap_ms %.1f\nhands %d in %.2f s\n", handsGapMs, bareGapMs,
              hands, playedMs / 1000.0);
  return 0;
}

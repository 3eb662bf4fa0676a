#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "players/autopilot.h"
#include "program_fixture.h"

namespace zunda::testing {
namespace {

// Nanoseconds this thread has waited for a processor while ready to run: time lost to other
// programs on a busy machine, which is no stall of ours. Unset where the system keeps no count.
std::optional<qint64> RunQueueWaitNs() {
  QFile file(QStringLiteral("/proc/thread-self/schedstat"));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QList<QByteArray> fields = file.readAll().simplified().split(' ');
  if (fields.size() < 2) return std::nullopt;
  bool ok = false;
  const qint64 waited = fields[1].toLongLong(&ok);
  return ok ? std::optional<qint64>(waited) : std::nullopt;
}

// A 10 ms timer on the window's thread: the longest time between two of its ticks is the
// longest the window could not answer the user.
class Watchdog {
 public:
  Watchdog() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    clock_.start();
    waited_ = RunQueueWaitNs();
    timer_.start(10);
  }

  double LargestGapMs() const { return largestGapNs_ / 1e6; }
  double LargestWallGapMs() const { return largestWallGapNs_ / 1e6; }
  long Ticks() const { return ticks_; }

 private:
  void Tick() {
    const qint64 wall = clock_.nsecsElapsed();
    const std::optional<qint64> waited = RunQueueWaitNs();
    qint64 gap = wall - last_;
    largestWallGapNs_ = std::max(largestWallGapNs_, gap);
    if (waited && waited_) gap -= *waited - *waited_;
    largestGapNs_ = std::max(largestGapNs_, gap);
    last_ = wall;
    waited_ = waited;
    ++ticks_;
  }

  QTimer timer_;
  QElapsedTimer clock_;
  qint64 last_ = 0;
  std::optional<qint64> waited_;
  qint64 largestGapNs_ = 0;
  qint64 largestWallGapNs_ = 0;
  long ticks_ = 0;
};

using ProgramStallTest = ProgramTest;

// Whole hands at the option file's default waits, seat 1 played by the autopilot, every main
// tick, click and redraw on the window's thread as in the program; the clock is the test
// host's, so the waits pass without sleeping while their event pumps still run.
TEST_F(ProgramStallTest, TheWindowNeverStallsOverFiftyMillisecondsWhileHandsPlay) {
#ifdef ZUNDA_SANITIZED_BUILD
  // The sanitizers slow our code several times over: a gap then measures them, not the game.
  // The hands themselves are played under the sanitizers by the other program tests.
  GTEST_SKIP() << "timing is not measured in a sanitizer build";
#endif
  constexpr int kHands = 2;
  StartGame(11);
  Autopilot pilot;
  int handsDone = 0;
  QEventLoop loop;
  QTimer driver;
  driver.setInterval(0);
  QObject::connect(&driver, &QTimer::timeout, [&] {
    if (g().Stopped || handsDone == kHands) {
      loop.quit();
      return;
    }
    if (g().Win.TmrMainCircle.Enabled) {
      if (g().MainCourse == "111_3") ++handsDone;
      Tick();
    } else if (Autopilot::TaskFor(g()) != AutopilotTask::None) {
      pilot.Act(g());
      controller().Sync();
    } else {
      ADD_FAILURE() << "nothing runs in state " << g().MainCourse;
      loop.quit();
    }
  });
  QTimer::singleShot(240'000, &loop, [&] {
    ADD_FAILURE() << "the hands did not end in four minutes";
    loop.quit();
  });

  Watchdog watchdog;
  driver.start();
  loop.exec();

  RecordProperty("largest_gap_ms", QString::number(watchdog.LargestGapMs()).toStdString());
  RecordProperty("largest_wall_gap_ms", QString::number(watchdog.LargestWallGapMs()).toStdString());
  EXPECT_EQ(handsDone, kHands);
  EXPECT_FALSE(g().Stopped) << (host().FatalMessages().empty() ? "" : host().FatalMessages()[0]);
  EXPECT_GT(watchdog.Ticks(), 10);
  EXPECT_LE(watchdog.LargestGapMs(), 50.0)
      << "largest gap " << watchdog.LargestGapMs() << " ms (" << watchdog.LargestWallGapMs()
      << " ms of wall time, the rest spent waiting for a processor)";
}

}  // namespace
}  // namespace zunda::testing

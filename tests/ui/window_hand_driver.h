#pragma once

#include <QEventLoop>
#include <QTimer>
#include <string>

#include "core/game.h"
#include "players/autopilot.h"
#include "program_test_host.h"
#include "ui/game_controller.h"

namespace zunda::testing {

// Plays whole hands in a running program the way its event loop would: each main tick and
// each move of the autopilot at seat 1 runs from a zero-interval timer on the window's thread,
// so that the window's other timers and events run between them. The main timer's interval
// passes on the host's clock, not on the wall clock. Returns "" once `hands` hands have
// ended, or what went wrong.
inline std::string PlayHandsInWindow(Game& g, GameController& controller, ProgramTestHost& host,
                                     int hands) {
  // Far more steps than any two hands take; a hand that never ends stops the run.
  const long mostSteps = 20000L * hands;
  Autopilot pilot;
  int handsDone = 0;
  long steps = 0;
  std::string failure;
  QEventLoop loop;
  QTimer driver;
  driver.setInterval(0);
  QObject::connect(&driver, &QTimer::timeout, [&] {
    if (g.Stopped || handsDone == hands) {
      loop.quit();
      return;
    }
    if (++steps > mostSteps) {
      failure = "the hands did not end in " + std::to_string(mostSteps) + " steps";
    } else if (g.Win.TmrMainCircle.Enabled) {
      if (g.MainCourse == TurnStep::EndHand) ++handsDone;
      host.PassTime(g.Win.TmrMainCircle.Interval);
      controller.FireMainTick();
    } else if (Autopilot::TaskFor(g) != AutopilotTask::None) {
      pilot.Act(g);
      controller.Sync();
    } else {
      failure = "nothing runs in state " + std::string(TurnStepName(g.MainCourse));
    }
    if (!failure.empty()) loop.quit();
  });
  driver.start();
  loop.exec();
  if (failure.empty() && g.Stopped) {
    failure = "the game stopped: " +
              (host.FatalMessages().empty() ? std::string("?") : host.FatalMessages().front());
  }
  return failure;
}

}  // namespace zunda::testing

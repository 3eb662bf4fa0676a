#include "core/delay.h"

#include "core/game.h"

namespace zunda {

namespace {
// From here the end of a wait could fall after midnight, where the clock starts again at 0.
constexpr double kNearMidnight = 86398;
constexpr double kSecondsPerDay = 86400;
}  // namespace

void TmrDelayTimer(Game& g) {
  double now = g.Clock();
  // A long wait begun just before midnight ends after it, when the clock has started again at
  // 0: a reading far below an end past midnight belongs to the next day.
  if (g.Flow.DelayEnd >= kSecondsPerDay && now < g.Flow.DelayEnd - kSecondsPerDay / 2) {
    now += kSecondsPerDay;
  }
  if (now >= g.Flow.DelayEnd) g.Flow.DelayDone = true;
}

void Delay(Game& g, double seconds) {
  FlowState& flow = g.Flow;
  double wait = seconds;
  if (flow.SkipWaitA || flow.SkipWaitB) wait = 0.1;
  if (flow.FirstWaitPending) {
    wait = g.Deal.Dealing ? 0.1 : flow.ShortWait;
  } else {
    flow.FirstWaitPending = true;
  }
  while (g.Clock() >= kNearMidnight) {
    g.DoEvents();
    g.host->SleepMs(1);
  }
  flow.DelayDone = false;
  g.Win.TmrDelay.Enabled = true;
  if (wait >= 2.0) flow.LongDelay = true;
  flow.DelayEnd = g.Clock() + wait;
  while (!flow.DelayDone) {
    g.DoEvents();
    g.host->SleepMs(1);
    TmrDelayTimer(g);
  }
  g.Win.TmrDelay.Enabled = false;
}

}  // namespace zunda

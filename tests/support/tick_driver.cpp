#include "tick_driver.h"

#include "flow/turn_cycle.h"

namespace zunda::testing {

void Tick(Game& g) {
  g.host->SleepMs(g.Win.TmrMainCircle.Interval);
  TmrMainCircleTimer(g);
}

bool RunTicksUntil(Game& g, const std::function<bool()>& done, int maxTicks,
                   std::vector<TurnStep>* trace) {
  for (int tick = 0; tick < maxTicks; ++tick) {
    if (done()) return true;
    if (!g.Win.TmrMainCircle.Enabled) return false;
    if (trace != nullptr) trace->push_back(g.MainCourse);
    Tick(g);
  }
  return done();
}

bool RunTicksUntilState(Game& g, TurnStep state, int maxTicks, std::vector<TurnStep>* trace) {
  return RunTicksUntil(
      g, [&] { return g.MainCourse == state; }, maxTicks, trace);
}

std::vector<TurnStep> Squeezed(const std::vector<TurnStep>& trace) {
  std::vector<TurnStep> out;
  for (TurnStep state : trace) {
    if (out.empty() || out.back() != state) out.push_back(state);
  }
  return out;
}

}  // namespace zunda::testing

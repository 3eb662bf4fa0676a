#include "tick_driver.h"

#include "flow/turn_cycle.h"

namespace zunda::testing {

void Tick(Game& g) {
  g.host->SleepMs(g.Win.TmrMainCircle.Interval);
  TmrMainCircleTimer(g);
}

bool RunTicksUntil(Game& g, const std::function<bool()>& done, int maxTicks,
                   std::vector<std::string>* trace) {
  for (int tick = 0; tick < maxTicks; ++tick) {
    if (done()) return true;
    if (!g.Win.TmrMainCircle.Enabled) return false;
    if (trace != nullptr) trace->push_back(g.MainCourse);
    Tick(g);
  }
  return done();
}

bool RunTicksUntilState(Game& g, std::string_view state, int maxTicks,
                        std::vector<std::string>* trace) {
  return RunTicksUntil(
      g, [&] { return g.MainCourse == state; }, maxTicks, trace);
}

std::vector<std::string> Squeezed(const std::vector<std::string>& trace) {
  std::vector<std::string> out;
  for (const std::string& state : trace) {
    if (out.empty() || out.back() != state) out.push_back(state);
  }
  return out;
}

}  // namespace zunda::testing

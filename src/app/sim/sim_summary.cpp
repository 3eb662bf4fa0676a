#include "sim_summary.h"

#include <cstdio>

namespace zunda::sim {

std::string FormatSummary(const SimSummary& s) {
  const double rate = s.seconds > 0 ? static_cast<double>(s.hands) / s.seconds : 0.0;
  char line[160];
  std::snprintf(line, sizeof line, "%lld hands, %lld plays, %lld violations, %.1f hands/s", s.hands,
                s.plays, s.violations, rate);
  return line;
}

}  // namespace zunda::sim

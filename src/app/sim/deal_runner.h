#pragma once

#include <iosfwd>

#include "sim_options.h"
#include "sim_summary.h"

namespace zunda::sim {

// --deal-only: starts and deals the asked number of hands on a scripted host and checks
// every accepted deal. Hands 1, 3, 5, ... start a new game (the threes choose the leader);
// hands 2, 4, 6, ... follow a made-up finished hand (its last place leads). The first few
// broken invariants are written to `report`.
SimSummary RunDealOnly(const SimOptions& options, std::ostream& report);

}  // namespace zunda::sim

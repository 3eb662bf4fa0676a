#pragma once

#include <iosfwd>

#include "sim_options.h"
#include "sim_summary.h"

namespace zunda::sim {

// --deal-only: starts and deals the asked number of hands on a scripted host and checks
// every accepted deal. Even-numbered hands are first hands of a new game (the threes choose
// the leader); the others follow a made-up finished hand (its last place leads). Broken
// invariants are written to `report`, the first few in full.
SimSummary RunDealOnly(const SimOptions& options, std::ostream& report);

}  // namespace zunda::sim

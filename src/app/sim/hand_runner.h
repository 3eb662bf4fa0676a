#pragma once

#include <iosfwd>

#include "sim_options.h"
#include "sim_summary.h"

namespace zunda::sim {

// Plays the asked number of whole hands: the main timer is fired in virtual time whenever
// the game arms it, and the autopilot plays seat 1 whenever the game waits for it. With
// options.check the invariants are checked after every tick. Broken invariants (the first
// few) go to `report`; every event-list line goes to `events` when it is not null.
SimSummary RunHands(const SimOptions& options, std::ostream& report, std::ostream* events);

}  // namespace zunda::sim

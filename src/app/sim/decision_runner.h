#pragma once

#include <iosfwd>

#include "sim_options.h"
#include "sim_summary.h"

namespace zunda::sim {

// --decisions: deals options.decisions random positions from the seed, leads and sets to
// answer mixed, and asks the computer seat on turn for its choice. A choice that breaks the
// rules or names cards the seat does not hold is a violation; any other is carried out by
// the play executor and the card totals are checked after it. The summary counts the
// positions as hands and the choices carried out (not the passes) as plays. The first few
// violations go to `report`; with `dump`, every decision is written to it as a line of the
// decision log.
SimSummary RunDecisions(const SimOptions& options, std::ostream& report, std::ostream* dump);

}  // namespace zunda::sim

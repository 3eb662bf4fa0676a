// zunda-sim: runs the engine without a window and checks its invariants on the way.
#include <iostream>
#include <string>
#include <vector>

#include "sim/deal_runner.h"
#include "sim/sim_options.h"
#include "sim/sim_summary.h"

int main(int argc, char** argv) {
  using namespace zunda::sim;
  const std::vector<std::string> args(argv + 1, argv + argc);
  const ParsedOptions parsed = ParseSimOptions(args);
  if (!parsed.error.empty()) {
    std::cerr << "zunda-sim: " << parsed.error << "\n\n" << SimUsage();
    return 2;
  }
  const SimOptions& options = parsed.options;
  if (options.help) {
    std::cout << SimUsage();
    return 0;
  }
  if (!options.dealOnly) {
    std::cerr << "zunda-sim: whole hands are not available yet; use --deal-only\n";
    return 2;
  }
  const SimSummary summary = RunDealOnly(options, std::cerr);
  std::cout << FormatSummary(summary) << std::endl;
  return summary.violations > 0 ? 1 : 0;
}

// zunda-sim: runs the engine without a window and checks its invariants on the way.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "sim/deal_runner.h"
#include "sim/hand_runner.h"
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
  SimSummary summary;
  if (options.dealOnly) {
    summary = RunDealOnly(options, std::cerr);
  } else {
    std::ofstream events;
    if (!options.eventsPath.empty()) {
      events.open(options.eventsPath, std::ios::binary | std::ios::trunc);
      if (!events) {
        std::cerr << "zunda-sim: cannot write " << options.eventsPath << "\n";
        return 2;
      }
    }
    summary = RunHands(options, std::cerr, events.is_open() ? &events : nullptr);
    events.close();
    if (!options.eventsPath.empty() && !events) {
      std::cerr << "zunda-sim: writing " << options.eventsPath << " failed\n";
      return 2;
    }
  }
  std::cout << FormatSummary(summary) << std::endl;
  return summary.violations > 0 ? 1 : 0;
}

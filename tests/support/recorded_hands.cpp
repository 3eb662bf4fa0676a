#include "recorded_hands.h"

#include <gtest/gtest.h>

#include <sstream>

#include "sim/hand_runner.h"

namespace zunda::testing {

std::vector<HandRecord> RecordedHands(int hands, std::uint64_t seed, double burnRate,
                                      const std::function<void(const Game&)>& afterStep,
                                      const std::function<void()>& afterHand) {
  sim::SimOptions options;
  options.hands = hands;
  options.seed = seed;
  options.burnRate = burnRate;
  options.recordPath = "kept in memory";
  std::ostringstream report;
  sim::HandRunner runner(options, report, nullptr);
  if (afterStep) runner.AfterEveryStep(afterStep);
  for (int hand = 0; hand < hands; ++hand) {
    if (!runner.PlayHand()) {
      ADD_FAILURE() << "hand " << hand + 1 << ": " << report.str();
      break;
    }
    if (afterHand) afterHand();
  }
  return runner.Records();
}

}  // namespace zunda::testing

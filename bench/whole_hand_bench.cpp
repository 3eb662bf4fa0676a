#include <benchmark/benchmark.h>

#include <sstream>

#include "sim/hand_runner.h"

namespace zunda {
namespace {

// Whole hands as the simulator plays them: deal, tribute, every round, the autopilot at seat 1
// clicking its cards, the end of the hand. One iteration is one hand; items/s are hands/s.
void RunWholeHands(benchmark::State& state, bool check) {
  sim::SimOptions options;
  options.seed = 1;
  options.check = check;
  std::ostringstream report;
  sim::HandRunner runner(options, report, nullptr);
  for (auto _ : state) {
    if (!runner.PlayHand()) {
      state.SkipWithError("the game stopped on a fatal error");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["violations"] = static_cast<double>(runner.Summary().violations);
}

void BM_WholeHand(benchmark::State& state) {
  RunWholeHands(state, false);
}
BENCHMARK(BM_WholeHand);

void BM_WholeHandChecked(benchmark::State& state) {
  RunWholeHands(state, true);
}
BENCHMARK(BM_WholeHandChecked);

}  // namespace
}  // namespace zunda

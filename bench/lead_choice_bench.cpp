#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "allocation_counter.h"
#include "core/game.h"
#include "players/lead_choice.h"
#include "sim/random_lead_position.h"
#include "test_game.h"

namespace {

// Seeded positions from the middle of hands, each in its own game; a lead changes only
// TablePlay, so the positions stay as dealt however often they are asked.
struct Positions {
  std::vector<std::unique_ptr<zunda::testing::TestGame>> games;
  std::vector<int> leaders;

  explicit Positions(int count) {
    for (int i = 0; i < count; ++i) {
      games.push_back(std::make_unique<zunda::testing::TestGame>(i + 1));
      leaders.push_back(zunda::sim::DealRandomLeadPosition(games.back()->game, i + 1));
    }
  }
};

void BM_ChooseLead(benchmark::State& state) {
  static Positions positions(256);
  std::size_t next = 0;
  const std::size_t before = zunda::bench::AllocationCount();
  for (auto _ : state) {
    zunda::Game& g = positions.games[next]->game;
    zunda::ChooseLead(g, positions.leaders[next]);
    benchmark::DoNotOptimize(g.TablePlay);
    next = (next + 1) % positions.games.size();
  }
  const std::size_t allocations = zunda::bench::AllocationCount() - before;
  state.counters["allocs"] = static_cast<double>(allocations);
  if (allocations != 0) state.SkipWithError("a lead decision allocated memory");
}
BENCHMARK(BM_ChooseLead);

}  // namespace

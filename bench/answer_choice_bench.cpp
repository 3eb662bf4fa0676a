#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "allocation_counter.h"
#include "core/game.h"
#include "players/answer_choice.h"
#include "sim/random_answer_position.h"
#include "test_game.h"

namespace {

// Seeded positions with a set on the table, each in its own game; an answer changes only
// Selection, so the positions stay as dealt however often they are asked.
struct AnswerPositions {
  std::vector<std::unique_ptr<zunda::testing::TestGame>> games;
  std::vector<int> seats;

  explicit AnswerPositions(int count) {
    for (int i = 0; i < count; ++i) {
      games.push_back(std::make_unique<zunda::testing::TestGame>(i + 1));
      seats.push_back(zunda::sim::DealRandomAnswerPosition(games.back()->game, i + 1));
    }
  }
};

void BM_ChooseAnswer(benchmark::State& state) {
  static AnswerPositions positions(256);
  std::size_t next = 0;
  const std::size_t before = zunda::bench::AllocationCount();
  for (auto _ : state) {
    zunda::Game& g = positions.games[next]->game;
    zunda::ChooseAnswer(g, positions.seats[next]);
    benchmark::DoNotOptimize(g.Selection);
    next = (next + 1) % positions.games.size();
  }
  const std::size_t allocations = zunda::bench::AllocationCount() - before;
  state.counters["allocs"] = static_cast<double>(allocations);
  if (allocations != 0) state.SkipWithError("an answer decision allocated memory");
}
BENCHMARK(BM_ChooseAnswer);

}  // namespace

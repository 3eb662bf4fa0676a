#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "allocation_counter.h"
#include "core/game.h"
#include "core/seats.h"
#include "players/autopilot_choice.h"
#include "rules/play_rules.h"
#include "sim/random_answer_position.h"
#include "sim/random_lead_position.h"
#include "test_game.h"

namespace {

// The computer seats never burn; the burn is the human seat's, and when the program plays
// that seat (the simulator, the demo, the hint) the autopilot chooses what the burner lays:
// the choosers' set, made to carry a joker while the obligation binds, and an answer even
// where the choosers would pass. These rows time that choice on its own, apart from the
// clicks that lay it.
struct BurnPositions {
  std::vector<std::unique_ptr<zunda::testing::TestGame>> games;
};

// Makes the human seat a burner that nobody has beaten yet.
void MakeBurner(zunda::Game& g, int burnedSeat) {
  const int human = g.HumanSeat;
  g.Seats[human].Burned = true;
  g.Burn.BurnBeaten = false;
  g.Burn.BurnerSeat = human;
  g.Burn.BurnedSeat = burnedSeat;
  g.Burn.BurnerTurnTaken = true;
}

// The human seat answers an opponent's Zunda play that it may burn: no big joker on it, five
// seats or more in play.
BurnPositions BurnAnswerPositions(int count) {
  BurnPositions positions;
  auto game = std::make_unique<zunda::testing::TestGame>(1);
  for (std::uint64_t seed = 1; static_cast<int>(positions.games.size()) < count; ++seed) {
    zunda::Game& g = game->game;
    const int seat = zunda::sim::DealRandomAnswerPosition(g, seed);
    const zunda::PlayRecord& table = g.TablePlay;
    if (seat != g.HumanSeat || !zunda::IsZundaPlay(table) || table.BigJokers > 0 ||
        table.Seat == zunda::OppositeSeat(seat) || zunda::ActiveSeats(g) < 5) {
      continue;
    }
    MakeBurner(g, table.Seat);
    positions.games.push_back(std::move(game));
    game = std::make_unique<zunda::testing::TestGame>(seed + 1);
  }
  return positions;
}

// The human seat leads while its burn still binds: it won the round with the burn.
BurnPositions BurnLeadPositions(int count) {
  BurnPositions positions;
  auto game = std::make_unique<zunda::testing::TestGame>(1);
  for (std::uint64_t seed = 1; static_cast<int>(positions.games.size()) < count; ++seed) {
    zunda::Game& g = game->game;
    if (zunda::sim::DealRandomLeadPosition(g, seed) != g.HumanSeat) {
      // The leader is never seat 1: hand the lead to the human seat when it holds cards.
      if (g.Seats[g.HumanSeat].CardCount == 0) continue;
      g.CurrentSeat = g.LeadSeat = g.HumanSeat;
    }
    MakeBurner(g, zunda::NextSeat(g.HumanSeat));
    positions.games.push_back(std::move(game));
    game = std::make_unique<zunda::testing::TestGame>(seed + 1);
  }
  return positions;
}

// Asking leaves the game as it was, so the positions stay as dealt however often they are
// asked.
template <typename Choose>
void RunBurnChoice(benchmark::State& state, BurnPositions& positions, Choose choose) {
  std::size_t next = 0;
  const std::size_t before = zunda::bench::AllocationCount();
  for (auto _ : state) {
    zunda::Game& g = positions.games[next]->game;
    benchmark::DoNotOptimize(choose(g, g.HumanSeat));
    next = (next + 1) % positions.games.size();
  }
  const std::size_t allocations = zunda::bench::AllocationCount() - before;
  state.counters["allocs"] = static_cast<double>(allocations);
  if (allocations != 0) state.SkipWithError("a burner's choice allocated memory");
}

void BM_ChooseBurnAnswer(benchmark::State& state) {
  static BurnPositions positions = BurnAnswerPositions(256);
  RunBurnChoice(state, positions, zunda::AutopilotAnswer);
}
BENCHMARK(BM_ChooseBurnAnswer);

void BM_ChooseBurnLead(benchmark::State& state) {
  static BurnPositions positions = BurnLeadPositions(256);
  RunBurnChoice(state, positions, zunda::AutopilotLead);
}
BENCHMARK(BM_ChooseBurnLead);

}  // namespace

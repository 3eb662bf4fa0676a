#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "allocation_counter.h"
#include "core/game.h"
#include "core/rng.h"
#include "deal/deal_cards.h"
#include "deal/hand_setup.h"
#include "deal/shuffle.h"
#include "rules/finishing.h"
#include "rules/tribute.h"
#include "test_game.h"

namespace {

// Freshly dealt hands after a seeded finishing order of the hand before, now and then a triple
// capture; each game remembers a computer payer and a computer receiver that owe cards. The
// choosers only fill slots, so the positions stay as dealt however often they are asked.
struct TributePositions {
  std::vector<std::unique_ptr<zunda::testing::TestGame>> games;
  std::vector<int> payers;
  std::vector<int> receivers;

  explicit TributePositions(int count) {
    for (int i = 0; i < count; ++i) {
      auto game = std::make_unique<zunda::testing::TestGame>(i + 1);
      zunda::Game& g = game->game;
      zunda::InitHand(g);
      zunda::BuildDeck(g.Deck);
      zunda::ShuffleDeck(g);
      zunda::CutDeck(g);
      zunda::DealCards(g);
      zunda::Rng rng(static_cast<std::uint64_t>(i) + 1);
      int order[zunda::kSeats] = {1, 2, 3, 4, 5, 6};
      for (int k = zunda::kSeats - 1; k >= 1; --k)
        std::swap(order[k], order[rng.Next() % static_cast<std::uint64_t>(k + 1)]);
      for (int place = 1; place <= zunda::kSeats; ++place) {
        const int seat = order[place - 1];
        g.Seats[seat].Place = place;
        g.FinishOrder[place] = g.PrevFinishOrder[place] = seat;
      }
      g.FirstHand = false;
      g.TripleCapture = rng.Next() % 4 == 0;
      zunda::SetTributeCounts(g);
      payers.push_back(OwingSeat(g, 4));
      receivers.push_back(OwingSeat(g, 1));
      games.push_back(std::move(game));
    }
  }

  // The computer seat with a tribute count, from the places first..first + 2, the last first.
  static int OwingSeat(const zunda::Game& g, int first) {
    for (int place = first + 2; place >= first; --place) {
      const int seat = g.PrevFinishOrder[place];
      if (seat != g.HumanSeat && g.Seats[seat].TributeCount > 0) return seat;
    }
    return g.PrevFinishOrder[first + 2];
  }
};

TributePositions& Positions() {
  static TributePositions positions(256);
  return positions;
}

template <typename Choose>
void RunTributeChoice(benchmark::State& state, const std::vector<int>& seats, Choose choose) {
  TributePositions& positions = Positions();
  std::size_t next = 0;
  const std::size_t before = zunda::bench::AllocationCount();
  for (auto _ : state) {
    zunda::Game& g = positions.games[next]->game;
    choose(g, seats[next]);
    benchmark::DoNotOptimize(g.Seats);
    next = (next + 1) % positions.games.size();
  }
  const std::size_t allocations = zunda::bench::AllocationCount() - before;
  state.counters["allocs"] = static_cast<double>(allocations);
  if (allocations != 0) state.SkipWithError("a tribute decision allocated memory");
}

// Which cards a computer payer gives: the choice alone, without the summary text and the
// table pictures that ChooseTributeCards adds for every payer.
void BM_ChooseTribute(benchmark::State& state) {
  RunTributeChoice(state, Positions().payers, zunda::PickTributeCards);
}
BENCHMARK(BM_ChooseTribute);

// Which cards a computer receiver gives back.
void BM_ChooseReturn(benchmark::State& state) {
  RunTributeChoice(state, Positions().receivers, zunda::ChooseReturnCards);
}
BENCHMARK(BM_ChooseReturn);

}  // namespace

#include <benchmark/benchmark.h>

#include "core/game.h"
#include "core/scripted_host.h"
#include "core/startup_defaults.h"
#include "deal/deal_cards.h"
#include "deal/hand_setup.h"
#include "deal/shuffle.h"

namespace zunda {
namespace {

// One deal attempt from a fresh hand: the yardstick other benchmarks are compared to.
void BM_BareDeal(benchmark::State& state) {
  ScriptedHost host(7);
  Game g(host);
  SetStartupDefaults(g);
  for (auto _ : state) {
    InitHand(g);
    BuildDeck(g.Deck);
    ShuffleDeck(g);
    CutDeck(g);
    DealCards(g);
    benchmark::DoNotOptimize(IsUnevenDeal(g));
  }
}
BENCHMARK(BM_BareDeal);

}  // namespace
}  // namespace zunda

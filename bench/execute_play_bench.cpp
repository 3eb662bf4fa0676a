#include <benchmark/benchmark.h>

#include <vector>

#include "core/game.h"
#include "core/rng.h"
#include "core/scripted_host.h"
#include "core/seats.h"
#include "core/startup_defaults.h"
#include "players/execute_play.h"

namespace zunda {
namespace {

// A hand dealt from a seeded shuffle of the four packs, 36 cards to each seat.
Game DealtPosition(ScriptedHost& host, std::uint64_t seed) {
  Game g(host);
  SetStartupDefaults(g);
  BuildDeck(g.Deck);
  Rng rng(seed);
  for (int i = kDeckSize; i > 1; --i) {
    const int j = 1 + static_cast<int>(rng.Next() % static_cast<std::uint64_t>(i));
    std::swap(g.Deck[i], g.Deck[j]);
  }
  for (int i = 1; i <= kDeckSize; ++i) {
    const int seat = 1 + (i - 1) % kSeats;
    HandBucket& bucket = g.Hand[seat][g.Deck[i].Rank];
    bucket.Rank = g.Deck[i].Rank;
    bucket.Codes[++bucket.Count] = g.Deck[i].Code;
  }
  for (int seat = 1; seat <= kSeats; ++seat)
    g.Seats[seat].CardCount = 36;
  return g;
}

// The seat's lowest bucket, laid whole, as a computer seat leads it.
PlayRecord LowestBucket(const Game& g, int seat) {
  PlayRecord play;
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    const HandBucket& bucket = g.Hand[seat][rank];
    if (bucket.Count == 0) continue;
    play.BaseRank = rank;
    if (rank < kTwo) {
      play.BaseCount = bucket.Count;
      for (int i = 1; i <= bucket.Count; ++i)
        play.BaseCodes[i] = bucket.Codes[i];
    } else if (rank == kTwo) {
      play.TwoCount = bucket.Count;
      for (int i = 1; i <= bucket.Count; ++i)
        play.TwoCodes[i] = bucket.Codes[i];
    } else if (rank == kSmallJoker) {
      play.SmallJokers = bucket.Count;
    } else {
      play.BigJokers = bucket.Count;
    }
    break;
  }
  return play;
}

// Seats lay their lowest buckets in turn until at most two seats hold cards; then the next
// seeded position is dealt afresh from its stored copy.
void BM_ExecutePlay(benchmark::State& state) {
  ScriptedHost host(1);
  std::vector<Game> positions;
  for (std::uint64_t seed = 1; seed <= 8; ++seed)
    positions.push_back(DealtPosition(host, seed));

  std::size_t next = 0;
  Game g = positions[next];
  int seat = 1;
  for (auto _ : state) {
    if (ActiveSeats(g) <= 2) {
      next = (next + 1) % positions.size();
      g = positions[next];
      seat = 1;
    }
    while (!InPlay(g, seat))
      seat = NextSeat(seat);
    g.PrevTablePlay = g.TablePlay;
    g.TablePlay = LowestBucket(g, seat);
    ExecutePlay(g, seat);
    if (g.Seats[seat].CardCount == 0) g.Seats[seat].Finished = true;
    if (g.Win.LstDispEvent.Items.size() > 256) g.Win.LstDispEvent.Clear();
    seat = NextSeat(seat);
  }
  benchmark::DoNotOptimize(g.PlayedByRank);
}
BENCHMARK(BM_ExecutePlay);

}  // namespace
}  // namespace zunda

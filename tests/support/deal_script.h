#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>

#include "core/cards.h"
#include "core/game.h"
#include "core/scripted_host.h"
#include "core/startup_defaults.h"

namespace zunda::testing {

// A scripted host that draws its queued values first, then from the seeded generator.
class SequenceHost : public ScriptedHost {
 public:
  explicit SequenceHost(std::uint64_t seed = 1) : ScriptedHost(seed) {}

  void QueueDraw(double u) { queued_.push_back(u); }
  double Random() override {
    ++draws_;
    if (queued_.empty()) return ScriptedHost::Random();
    const double u = queued_.front();
    queued_.pop_front();
    return u;
  }

  int Draws() const { return draws_; }
  std::size_t Pending() const { return queued_.size(); }

 private:
  std::deque<double> queued_;
  int draws_ = 0;
};

// A fresh game with the start-up defaults on a SequenceHost.
struct SequenceGame {
  explicit SequenceGame(std::uint64_t seed = 1) : host(seed), game(host) {
    SetStartupDefaults(game);
  }

  SequenceHost host;
  Game game;
};

// The position in the dealt order of the card a seat receives in the given round (1..36).
constexpr int DealPosition(int seat, int round) {
  return 6 * (round - 1) + seat;
}

// A four-pack deck with the given codes at the given positions, the rest in build order.
DeckArray DeckWith(const std::map<int, std::string>& fixed);

// The full deck sorted by rank, each rank in the order the deck is built.
DeckArray DeckSortedByRank();

// Queues the draws that make ShuffleDeck and CutDeck turn `current` into `wanted`.
// Fails the running test when no cut point makes `wanted` reachable.
void QueueDealOf(SequenceHost& host, const DeckArray& current, const DeckArray& wanted);

}  // namespace zunda::testing

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

// A scripted host whose draws come from a queue of chosen values first and from the seeded
// generator once the queue is empty.
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

// A full four-pack deck in which the given positions hold the given codes; every other
// position takes the remaining cards in the order the deck is built.
DeckArray DeckWith(const std::map<int, std::string>& fixed);

// The full deck sorted by rank, each rank in the order the deck is built.
DeckArray DeckSortedByRank();

// Queues the draws that make ShuffleDeck and CutDeck turn `current` into `wanted`.
// Fails the running test when no cut point makes `wanted` reachable.
void QueueDealOf(SequenceHost& host, const DeckArray& current, const DeckArray& wanted);

}  // namespace zunda::testing

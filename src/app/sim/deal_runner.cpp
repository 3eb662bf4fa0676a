#include "deal_runner.h"

#include <chrono>
#include <ostream>

#include "core/game.h"
#include "core/scripted_host.h"
#include "core/startup_defaults.h"
#include "deal/deal_until_accepted.h"
#include "deal/hand_setup.h"
#include "deal/shuffle.h"
#include "deal_invariants.h"

namespace zunda::sim {

namespace {

constexpr long long kViolationsShown = 20;

// What the new-game command does before the first hand.
void StartNewGame(Game& g) {
  for (int place = 1; place <= kSeats; ++place) {
    g.FinishOrder[place] = 0;
    g.PrevFinishOrder[place] = 0;
  }
  g.FirstHand = true;
  g.LeadSeat = 0;
  NewHand(g);
}

// Pretends the previous hand finished, in an order that moves round the table.
void FinishPreviousHand(Game& g, long long hand) {
  for (int place = 1; place <= kSeats; ++place) {
    g.FinishOrder[place] = static_cast<int>((place - 1 + hand) % kSeats) + 1;
  }
  g.FirstHand = false;
}

// The leader the first deal of this hand chose: the deal is replayed from the deck and the
// generator as they were before it, and the threes are counted by the checker's own rule.
int FirstDealLeader(const Rng& generator, const DeckArray& deck) {
  ScriptedHost replayHost;
  replayHost.Generator() = generator;
  Game replay(replayHost);
  replay.Deck = deck;
  ShuffleDeck(replay);
  CutDeck(replay);
  return ThreesLeader(replay.DeckCopy);
}

}  // namespace

SimSummary RunDealOnly(const SimOptions& options, std::ostream& report) {
  ScriptedHost host(options.seed);
  Game g(host);
  SetStartupDefaults(g);
  SimSummary summary;
  const auto note = [&](long long hand, const std::string& text) {
    if (summary.violations < kViolationsShown) report << "hand " << hand << ": " << text << '\n';
    ++summary.violations;
  };

  const auto start = std::chrono::steady_clock::now();
  for (long long hand = 1; hand <= options.hands && !g.Stopped; ++hand) {
    g.Guard([&] {
      if (hand % 2 == 1) {
        StartNewGame(g);
      } else {
        FinishPreviousHand(g, hand);
      }
      bool accepted = false;
      int expectedLeader = 0;
      while (!accepted) {
        // The deal step of the turn cycle; a thrown-in hand is dealt again at the next one.
        g.HandStarted = true;
        InitHand(g);
        const Rng generator = host.Generator();
        const DeckArray deck = g.Deck;
        accepted = DealUntilAccepted(g);
        expectedLeader = g.FirstHand ? FirstDealLeader(generator, deck) : g.PrevFinishOrder[kSeats];
      }
      g.HandStarted = false;
      for (const std::string& text : CheckAcceptedDeal(g, expectedLeader))
        note(hand, text);
      ++summary.hands;
    });
  }
  for (const std::string& text : host.FatalMessages())
    note(summary.hands + 1, "fatal: " + text);
  summary.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (summary.violations > kViolationsShown) {
    report << "... " << summary.violations - kViolationsShown << " more\n";
  }
  return summary;
}

}  // namespace zunda::sim

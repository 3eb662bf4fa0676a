#include "deal_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace zunda::testing {

namespace {

// The draws of one shuffle that put `shuffled` into DeckCopy, or nothing when the order
// needs the card at the undrawable last position.
std::optional<std::vector<double>> ShuffleDraws(DeckArray deck, const DeckArray& shuffled) {
  std::vector<double> draws;
  int remaining = kDeckSize;
  for (int i = 1; i <= kDeckSize; ++i) {
    const int reachable = remaining == 1 ? 1 : remaining - 1;
    int k = 0;
    for (int at = 1; at <= reachable && k == 0; ++at) {
      if (deck[at] == shuffled[i]) k = at;
    }
    if (k == 0) return std::nullopt;
    draws.push_back(remaining == 1 ? 0.0 : (k - 0.5) / (remaining - 1));
    deck[k] = deck[remaining];
    --remaining;
  }
  return draws;
}

}  // namespace

DeckArray DeckWith(const std::map<int, std::string>& fixed) {
  DeckArray built;
  BuildDeck(built);
  std::vector<Card> rest(built.begin(), built.end());
  DeckArray deck;
  for (const auto& [position, code] : fixed) {
    const auto it = std::find_if(rest.begin(), rest.end(),
                                 [&](const Card& c) { return c.Code == CardCode(code); });
    if (it == rest.end()) {
      ADD_FAILURE() << "no card " << code << " left for position " << position;
      return deck;
    }
    deck[position] = *it;
    rest.erase(it);
  }
  auto next = rest.begin();
  for (int position = 1; position <= kDeckSize; ++position) {
    if (!fixed.contains(position)) deck[position] = *next++;
  }
  return deck;
}

DeckArray DeckSortedByRank() {
  DeckArray deck;
  BuildDeck(deck);
  std::stable_sort(deck.begin(), deck.end(),
                   [](const Card& a, const Card& b) { return a.Rank < b.Rank; });
  return deck;
}

void QueueDealOf(SequenceHost& host, const DeckArray& current, const DeckArray& wanted) {
  for (int cut = 2; cut < kDeckSize; ++cut) {
    // The cut puts shuffled card `cut` first, so the shuffle must leave wanted(1) there.
    DeckArray shuffled;
    for (int i = 1; i <= kDeckSize; ++i) {
      shuffled[(i - 1 + cut - 1) % kDeckSize + 1] = wanted[i];
    }
    const auto draws = ShuffleDraws(current, shuffled);
    if (!draws) continue;
    for (double u : *draws)
      host.QueueDraw(u);
    host.QueueDraw(cut / static_cast<double>(kDeckSize));
    return;
  }
  ADD_FAILURE() << "no shuffle and cut reach the wanted order";
}

}  // namespace zunda::testing

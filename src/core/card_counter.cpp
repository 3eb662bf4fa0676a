#include "core/card_counter.h"

#include <algorithm>

#include "core/game.h"

namespace zunda {

int CardsOfRankInDeck(int rank) {
  return rank >= kSmallJoker ? 4 : 16;
}

int CardsStillOut(const Game& g, int rank) {
  const int out = CardsOfRankInDeck(rank) - g.PlayedByRank[rank] - g.Hand[g.HumanSeat][rank].Count;
  // A restored or damaged hand must not show a negative count.
  return std::max(0, out);
}

}  // namespace zunda

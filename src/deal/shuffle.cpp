#include "deal/shuffle.h"

#include <cmath>
#include <string>

#include "core/display.h"
#include "core/game.h"

namespace zunda {

int RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  auto result = static_cast<int>(floor);
  if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
  return result;
}

void ShuffleDeck(Game& g) {
  ShowPrompt(g, "随机化洗牌");
  int bigJokers = 0;
  int smallJokers = 0;
  int twos = 0;
  int remaining = kDeckSize;
  for (int i = 1; i <= kDeckSize; ++i) {
    // The host's generator is seeded once; reseeding before every draw would make draws
    // within one clock tick all alike.
    const double u = g.Random();
    // The draw never takes the last card directly while others remain: that card moves
    // into the gap left by the drawn one.
    const int k = static_cast<int>(u * (remaining - 1)) + 1;
    const Card drawn = g.Deck[k];
    if (drawn.Rank == kBigJoker) ++bigJokers;
    if (drawn.Rank == kSmallJoker) ++smallJokers;
    if (drawn.Rank == kTwo) ++twos;
    g.DeckCopy[i] = drawn;
    g.Deck[k] = g.Deck[remaining];
    --remaining;
    g.DoEvents();
  }
  if (bigJokers != 4 || smallJokers != 4 || twos != 16) {
    Fatal("Err:随机数产生错误,请将此现象通知作者,谢谢!大虎:" + std::to_string(bigJokers) +
          " 小虎:" + std::to_string(smallJokers) + " 小两:" + std::to_string(twos));
  }
  g.Deck = g.DeckCopy;
}

void CutDeck(Game& g) {
  ShowPrompt(g, "随机化切牌");
  int cut = 0;
  do {
    cut = RoundHalfEven(g.Random() * kDeckSize);
    g.DoEvents();
  } while (cut < 2 || cut > kDeckSize - 1);
  int to = 1;
  for (int from = cut; from <= kDeckSize; ++from)
    g.Deck[to++] = g.DeckCopy[from];
  for (int from = 1; from < cut; ++from)
    g.Deck[to++] = g.DeckCopy[from];
  g.DeckCopy = g.Deck;
}

}  // namespace zunda

#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "core/game.h"
#include "hand_builder.h"

namespace zunda::testing {

// A play of `count` cards of `rank` (3..14) with twos and jokers attached, or of twos and
// jokers alone when count is 0. Codes run through the suits so that they differ.
inline PlayRecord MakePlay(int rank, int count, int twos = 0, int small = 0, int big = 0) {
  static constexpr char kSuits[] = {'C', 'D', 'H', 'S'};
  const auto code = [](int r, int i) {
    return CardCode(std::string(1, kSuits[i % 4]) + (r < 10 ? "0" : "") + std::to_string(r));
  };
  PlayRecord play;
  play.BaseRank = count > 0 ? rank : (twos > 0 ? kTwo : (small > 0 ? kSmallJoker : kBigJoker));
  play.BaseCount = count;
  for (int i = 1; i <= count; ++i)
    play.BaseCodes[i] = code(rank, i - 1);
  play.TwoCount = twos;
  for (int i = 1; i <= twos; ++i)
    play.TwoCodes[i] = code(kTwo, i - 1);
  play.SmallJokers = small;
  play.BigJokers = big;
  play.Total = count + twos + small + big;
  return play;
}

inline void Raise(Game& g, std::initializer_list<int> slots) {
  for (int slot : slots)
    g.Win.ImgHand[slot].Top = kHandRaised;
}

}  // namespace zunda::testing

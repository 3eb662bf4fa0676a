#pragma once

#include "core/checked_array.h"
#include "core/model.h"

namespace zunda {

// Working variables of one deal; meaningful only while the cards are dealt.
struct DealState {
  Arr<int, 1, kSeats> ThreesDealt;
  Arr<Arr<int, 1, 4>, 1, kSeats> ThreesBySuit;  // suit = position in "CDHS"
  int MostThreesSeat = 1;
  int MostThrees = 0;
  int ShortBuckets = 0;
  // From the first shuffle of a deal until its cards are accepted: a wait then is short.
  bool Dealing = false;
  // The test player's hand was thrown in: the turn cycle deals again at once.
  bool ThrownIn = false;
  bool operator==(const DealState&) const = default;
};

}  // namespace zunda

#pragma once

#include <string>
#include <vector>

#include "core/cards.h"
#include "core/checked_array.h"
#include "core/model.h"

namespace zunda {
struct Game;
}

namespace zunda::sim {

// The invariants --check watches while whole hands are played. Each check appends one text
// per broken invariant.
class PlayChecker {
 public:
  // After every tick and every action of the autopilot: the card totals, no hand over 36
  // cards, at most one seat on turn; and around the tribute, its pairs, counts and cards.
  void AfterStep(Game& g, std::vector<std::string>& out);
  // Just before the end of a hand is shown: every seat holds a different place 1..6 and the
  // finishing order agrees with the places.
  void AtHandEnd(const Game& g, std::vector<std::string>& out);

 private:
  void CheckTribute(const Game& g, std::vector<std::string>& out) const;

  // Each seat's cards by rank as dealt, before the tribute moves any.
  Arr<Arr<int, kLowRank, kBigJoker>, 1, kSeats> dealt_;
  bool dealtKept_ = false;
  // The hand before the one being dealt ended in a triple capture.
  bool lastHandCaptured_ = false;
  bool handCaptured_ = false;
};

}  // namespace zunda::sim

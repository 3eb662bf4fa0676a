#pragma once

namespace zunda {

// Hand-level state of burning and the scorched verdict.
struct BurnState {
  int BurnOfferMode = 0;  // 0 nothing, 1 pause box, 2 burn question
  int BurnerSeat = 0;
  int BurnedSeat = 0;
  bool BurnerTurnTaken = false;
  bool BurnBeaten = true;
  int ScorchedCounter = 0;
  bool operator==(const BurnState&) const = default;
};

}  // namespace zunda

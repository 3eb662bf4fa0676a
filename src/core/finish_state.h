#pragma once

namespace zunda {

// Hand-level state of the finishing order and the hand result.
struct FinishState {
  // Seats still holding cards when the last seat went out (a scorched seat keeps its cards
  // and so counts here); kept for the saved hand.
  int Remaining = 6;
  // The last hand that ended did so with a triple capture. The tribute of the next hand reads
  // it, because the hand initialisation may already have cleared TripleCapture by then.
  bool ResultTripleCapture = false;
  bool operator==(const FinishState&) const = default;
};

}  // namespace zunda

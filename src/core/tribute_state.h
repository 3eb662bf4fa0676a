#pragma once

namespace zunda {

// Flags of the tribute between hands.
struct TributeState {
  // From the start of the tribute until the cards have changed hands.
  bool InProgress = false;
  // This hand opened with a tribute; stays set for the rest of the hand.
  bool PlayedThisHand = false;
  // The human has to choose the cards to give back; the turn cycle waits for CmdHG.
  bool WaitingForHuman = false;
  bool operator==(const TributeState&) const = default;
};

}  // namespace zunda

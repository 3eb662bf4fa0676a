#pragma once

namespace zunda {

// Flags of the human's hand and buttons.
struct HumanInputState {
  bool MouseBusy = false;
  bool PeekArmed = false;
  bool PeekShown = false;
  bool operator==(const HumanInputState&) const = default;
};

}  // namespace zunda

#pragma once

namespace zunda {

// Flags of the human's hand and buttons.
struct HumanInputState {
  bool MouseBusy = false;
  bool PeekArmed = false;
  bool PeekShown = false;
  // Another window of the program (a dialog, a message box) is open: no button takes the focus.
  bool OtherWindowOpen = false;
  // The pass button was last prepared to confirm ("确认,不再上牌了"): a pass then folds.
  bool PassConfirms = false;
  bool operator==(const HumanInputState&) const = default;
};

}  // namespace zunda

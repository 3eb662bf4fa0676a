#include "core/game.h"
#include "rules/command_buttons.h"
#include "rules/hand_display.h"
#include "rules/human_input.h"
#include "rules/play_rules.h"

namespace zunda {

void LblNameMouseDown(Game& g, int seat, MouseButton button, int shift) {
  g.Guard([&] {
    (void)g.Seats[seat];
    constexpr int kModifiers = kShiftKey | kCtrlKey | kAltKey;
    g.Input.PeekArmed =
        button == MouseButton::Right && (shift & kModifiers) == (kCtrlKey | kShiftKey);
  });
}

void LblNameDblClick(Game& g, int seat) {
  g.Guard([&] {
    if (!g.Input.PeekArmed || seat == g.HumanSeat) return;
    ShowHand(g, seat);
    g.Input.PeekShown = true;
  });
}

void PeekMouseMove(Game& g) {
  g.Guard([&] {
    if (!g.Input.PeekShown) return;
    const int human = g.HumanSeat;
    ShowHand(g, human);
    // The peek dropped the selection: the human chooses again, or passes.
    if (g.Win.CmdSend.Visible) {
      HideButton(g.Win.CmdSend);
      if (HumanAwaited(g) && !CannotBeat(g, human)) ShowAndFocus(g, g.Win.CmdPass);
    }
    g.Input.PeekShown = false;
  });
}

}  // namespace zunda

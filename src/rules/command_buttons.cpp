#include "rules/command_buttons.h"

#include "core/game.h"

namespace zunda {

void ShowButton(Button& button) {
  button.Visible = true;
}

void HideButton(Button& button) {
  button.Visible = false;
  button.HasFocus = false;
}

void ShowAndFocus(Game& g, Button& button) {
  ShowButton(button);
  if (g.Input.OtherWindowOpen) return;
  for (Button* other : {&g.Win.CmdSend, &g.Win.CmdPass, &g.Win.CmdReturn, &g.Win.CmdNotSP,
                        &g.Win.CmdShaoHuLe, &g.Win.CmdHG}) {
    other->HasFocus = false;
  }
  button.HasFocus = true;
}

}  // namespace zunda

#pragma once

namespace zunda {

struct Game;
struct Button;

// The human's command buttons. A hidden button cannot keep the focus, and only one of them
// holds it; none takes it while another window of the program is open.
void ShowButton(Button& button);
void HideButton(Button& button);
void ShowAndFocus(Game& g, Button& button);

}  // namespace zunda

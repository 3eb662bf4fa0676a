#include "rules/hand_display.h"

namespace zunda {

// Stand-in until the hand display is built: the engine runs without drawing the hand.
void ShowHand(Game& /*g*/, int /*seat*/) {}

}  // namespace zunda

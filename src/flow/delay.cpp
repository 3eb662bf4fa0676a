// Stand-in until the turn cycle's wait is merged: lets pending events run once.
#include "flow/delay.h"

#include "core/game.h"

namespace zunda {

void Delay(Game& g, double /*seconds*/) {
  g.DoEvents();
}

}  // namespace zunda

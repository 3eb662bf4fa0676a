#include "rules/burn_right.h"

#include "core/game.h"

namespace zunda {

void UpdateBurnRight(Game& g, int seat) {
  SeatRecord& s = g.Seats[seat];
  s.BurnRight = s.JokerCount >= s.SetCount - 2;
}

}  // namespace zunda

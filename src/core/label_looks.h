#pragma once

#include "core/game.h"

namespace zunda {

// The looks of a seat's name label as its standing in the round changes: shaded once it has
// been passed over, the out colour once it has left the hand, green again when it may answer
// once more. The one writer of a name label's colour also records the standing in the seat's
// Shade, which the rules read.
inline void SetSeatLook(Game& g, int seat, SeatShade shade) {
  Label& label = g.Win.LblName[seat];
  label.Opaque = true;
  label.BackColor = shade == SeatShade::PassedOver ? kColorPassed
                    : shade == SeatShade::Out      ? kColorOut
                                                   : kColorNormal;
  label.BorderStyle = 1;
  g.Seats[seat].Shade = shade;
}

inline void SetPassedOverLook(Game& g, int seat) {
  SetSeatLook(g, seat, SeatShade::PassedOver);
}
inline void SetOutLook(Game& g, int seat) {
  SetSeatLook(g, seat, SeatShade::Out);
}
inline void SetInPlayLook(Game& g, int seat) {
  SetSeatLook(g, seat, SeatShade::None);
}

}  // namespace zunda

#pragma once

#include "core/game.h"

namespace zunda {

// The looks of a seat's name label as its standing in the round changes: shaded once it has
// been passed over, the out colour once it has left the hand, green again when it may answer
// once more. Each also records the standing in the seat's Shade, which the rules read.
inline void SetPassedOverLook(Game& g, int seat) {
  Label& label = g.Win.LblName[seat];
  label.Opaque = true;
  label.BackColor = kColorPassed;
  label.BorderStyle = 1;
  g.Seats[seat].Shade = SeatShade::PassedOver;
}

inline void SetOutLook(Game& g, int seat) {
  Label& label = g.Win.LblName[seat];
  label.Opaque = true;
  label.BackColor = kColorOut;
  label.BorderStyle = 1;
  g.Seats[seat].Shade = SeatShade::Out;
}

inline void SetInPlayLook(Game& g, int seat) {
  Label& label = g.Win.LblName[seat];
  label.Opaque = true;
  label.BackColor = kColorNormal;
  label.BorderStyle = 1;
  g.Seats[seat].Shade = SeatShade::None;
}

}  // namespace zunda

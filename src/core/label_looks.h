#pragma once

#include "core/controls.h"

namespace zunda {

// The two looks a seat's name label takes when its right to answer changes within a round:
// shaded once it has been passed over, green again when it may answer once more.
inline void SetPassedOverLook(Label& label) {
  label.Opaque = true;
  label.BackColor = kColorPassed;
  label.BorderStyle = 1;
}

inline void SetInPlayLook(Label& label) {
  label.Opaque = true;
  label.BackColor = kColorNormal;
  label.BorderStyle = 1;
}

}  // namespace zunda

#pragma once

namespace zunda {

// Flags of the tribute between hands.
struct TributeState {
  bool operator==(const TributeState&) const = default;
};

}  // namespace zunda

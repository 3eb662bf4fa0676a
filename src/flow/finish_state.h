#pragma once

namespace zunda {

// Hand-level state of the finishing order and the hand result.
struct FinishState {
  bool operator==(const FinishState&) const = default;
};

}  // namespace zunda

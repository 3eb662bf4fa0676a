#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/game.h"
#include "core/hand_record.h"

namespace zunda::testing {

// The records of the first `hands` hands of a seeded simulator run, the autopilot playing the
// human; `afterStep` and `afterHand`, when given, run after every step and every hand.
std::vector<HandRecord> RecordedHands(int hands, std::uint64_t seed, double burnRate = 0.2,
                                      const std::function<void(const Game&)>& afterStep = {},
                                      const std::function<void()>& afterHand = {});

}  // namespace zunda::testing

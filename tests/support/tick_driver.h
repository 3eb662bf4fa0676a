#pragma once

#include <functional>
#include <vector>

#include "core/game.h"

namespace zunda::testing {

// Fires the main timer's tick, as the window would, while the timer is enabled: the virtual
// clock moves on by the timer's interval before each tick. Stops as soon as `done` holds
// (checked before every tick) or after maxTicks ticks. True when `done` held. When `trace`
// is given, the state each tick started from is appended to it.
bool RunTicksUntil(Game& g, const std::function<bool()>& done, int maxTicks,
                   std::vector<TurnStep>* trace = nullptr);

// Runs ticks until the next tick would start from `state`.
bool RunTicksUntilState(Game& g, TurnStep state, int maxTicks,
                        std::vector<TurnStep>* trace = nullptr);

// One tick, whether or not the timer is enabled.
void Tick(Game& g);

// The states of a trace with repeats in a row folded into one.
std::vector<TurnStep> Squeezed(const std::vector<TurnStep>& trace);

}  // namespace zunda::testing

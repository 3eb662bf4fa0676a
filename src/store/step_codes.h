#pragma once

#include <optional>
#include <string_view>

#include "core/turn_step.h"

namespace zunda {

// The state file keeps the turn cycle's step as the code the program has always written
// (TurnStep::NewGame, TurnStep::HumanLead, ...; empty while no game runs), so that the files of
// every version load.
std::string_view StepCode(TurnStep step);
// The step a code names; nothing for a code no version ever wrote.
std::optional<TurnStep> StepFromCode(std::string_view code);

}  // namespace zunda

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "players/decision_log.h"

namespace zunda::testing {

// A decision-log line read back: the state before the decision and the chosen set.
struct DecisionLine {
  DecisionSnapshot before;
  ChoiceSnapshot choice;
};

// Parses one line written by DecisionLogLine. The reader is strict: every key must be there,
// spelt and ordered as the writer puts it, with the right type, and nothing may follow the
// object. On failure it returns nothing and, when asked, says what was wrong.
std::optional<DecisionLine> ReadDecisionLine(std::string_view line, std::string* error = nullptr);

}  // namespace zunda::testing

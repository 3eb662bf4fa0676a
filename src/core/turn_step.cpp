#include "core/turn_step.h"

#include <array>
#include <ostream>

namespace zunda {

namespace {
constexpr std::array<std::string_view, kTurnSteps> kNames = {
    "Idle",           "NewGame",        "DealHand",      "Tribute",       "ReturnTribute",
    "AnnounceLeader", "EndHand",        "Stop",          "StartRound",    "SetUpLead",
    "HumanLead",      "HumanLed",       "ComputerLead",  "ExecuteLead",   "AfterLead",
    "AfterPlay",      "SetUpResponder", "HumanResponse", "HumanAnswered", "ComputerResponse",
    "ApplyAnswer",    "CloseAnswer",    "EndRound",
};
}  // namespace

std::string_view TurnStepName(TurnStep step) {
  const auto index = static_cast<std::size_t>(step);
  return index < kNames.size() ? kNames[index] : std::string_view("?");
}

std::ostream& operator<<(std::ostream& out, TurnStep step) {
  return out << TurnStepName(step);
}

}  // namespace zunda

#include "store/step_codes.h"

#include <array>

namespace zunda {

namespace {
// Indexed by TurnStep.
constexpr std::array<std::string_view, kTurnSteps> kCodes = {
    "",         // Idle
    "111_0",    // NewGame
    "111_1",    // DealHand
    "111_1_1",  // Tribute
    "111_1_3",  // ReturnTribute
    "111_1_2",  // AnnounceLeader
    "111_3",    // EndHand
    "111_4",    // Stop
    "333_1",    // StartRound
    "555_1",    // SetUpLead
    "555_2",    // HumanLead
    "555_3",    // HumanLed
    "555_4",    // ComputerLead
    "555_5",    // ExecuteLead
    "333_2",    // AfterLead
    "444_1",    // AfterPlay
    "666_1",    // SetUpResponder
    "666_2",    // HumanResponse
    "666_3",    // HumanAnswered
    "666_6",    // ComputerResponse
    "666_7",    // ApplyAnswer
    "444_2",    // CloseAnswer
    "333_3",    // EndRound
};
}  // namespace

std::string_view StepCode(TurnStep step) {
  return kCodes.at(static_cast<std::size_t>(step));
}

std::optional<TurnStep> StepFromCode(std::string_view code) {
  for (std::size_t i = 0; i < kCodes.size(); ++i) {
    if (kCodes[i] == code) return static_cast<TurnStep>(i);
  }
  return std::nullopt;
}

}  // namespace zunda

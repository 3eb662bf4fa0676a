#pragma once

#include <cstdint>
#include <iosfwd>
#include <string_view>

namespace zunda {

// The step the next tick of the turn cycle runs (Game::MainCourse), in the order of a hand.
// Idle: no game has started, or the game has stopped and the timer is off.
enum class TurnStep : std::uint8_t {
  Idle,
  // A hand.
  NewGame,         // shows the lists, starts a new game's first hand
  DealHand,        // shuffles, cuts and deals until the deal is accepted
  Tribute,         // pays the tribute owed by the last hand's result
  ReturnTribute,   // the receivers return cards (waits for the human when it received)
  AnnounceLeader,  // names the leading side
  EndHand,         // the finishing summary and the scores
  Stop,            // clears the table and stops the timer
  // A round.
  StartRound,        // a blank event line, the seats assessed
  SetUpLead,         // clears the table for the leader
  HumanLead,         // waits for the human's lead
  HumanLed,          // the human has led
  ComputerLead,      // a computer seat chooses its lead
  ExecuteLead,       // lays the lead, then the burn offer
  AfterLead,         // assesses the seats, writes the run data
  AfterPlay,         // the going-out checks and the next seat to answer
  SetUpResponder,    // gets the answering seat ready
  HumanResponse,     // waits for the human's answer
  HumanAnswered,     // the human has answered (or a burner's turn comes first)
  ComputerResponse,  // a computer seat chooses its answer
  ApplyAnswer,       // lays the answer or the pass, then the burn offer
  CloseAnswer,       // the closing test of the round's answering
  EndRound,          // clears the table for the next round or ends the hand
};
inline constexpr int kTurnSteps = static_cast<int>(TurnStep::EndRound) + 1;

// The step's name as written above, for messages of tests and the simulator.
std::string_view TurnStepName(TurnStep step);
std::ostream& operator<<(std::ostream& out, TurnStep step);

}  // namespace zunda

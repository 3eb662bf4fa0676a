#pragma once

#include <string>

namespace zunda {

// Run-time state of the conveniences (hint, autoplay, keyboard play, round pace). None of it is
// read by a rule of the game.
struct ExtrasState {
  // Seat 1 is played by the autopilot; the table shows a mark while it is.
  bool AutoplayOn = false;
  // The hand slot the keyboard acts on; 0 before the arrows have been used.
  int HandFocus = 0;
  // Where the hint cycle stands, and the situation it belongs to: a new turn starts it again.
  int HintNext = 0;
  std::string HintTurn;
  // A finished round is held on the table until a click; once released it goes on.
  bool RoundHeld = false;
  bool RoundReleased = false;
  // Prompts shown so far, and the count just after the held round's prompt: the hold clears
  // the prompt line only when nothing has been shown over its prompt.
  long PromptsShown = 0;
  long HoldPrompt = 0;
  bool operator==(const ExtrasState&) const = default;
};

}  // namespace zunda

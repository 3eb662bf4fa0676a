#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/model.h"

namespace zunda {

struct Game;

// What the turn cycle is waiting for from the human seat.
enum class AutopilotTask { None, Lead, Answer, ReturnTribute };

struct AutopilotOutcome {
  bool acted = false;  // something was clicked
  bool laid = false;   // a set was laid through the handlers (known once the actions applied)
  // Why the handlers did not take what the choosers picked; empty when all went through.
  std::string fault;
  // The fault to report when the posted action, once applied, did not hand the turn back,
  // followed by the set laid when there is one: described only when it is reported, since
  // nearly every set goes through.
  std::string_view unlessHandedBack;
  std::optional<PlayRecord> unlessHandedBackSet;
  bool playPosted = false;
};

// Plays the human seat the way a person would: it asks the computer choosers what to lay and
// carries that out only through the hand clicks and the buttons, so every set it lays has
// passed the same checks as a person's. The simulator, the demo mode and the hint share it.
class Autopilot {
 public:
  static AutopilotTask TaskFor(const Game& g);
  // Carries out the task the turn cycle waits for; nothing when it waits for none. Its clicks
  // post actions like a person's; the caller lets the turn cycle apply them and then hands the
  // outcome to Applied.
  AutopilotOutcome Act(Game& g);
  // Completes the outcome after the posted actions were applied: the turn must be back with
  // the turn cycle, and a posted play must have been laid.
  static void Applied(const Game& g, AutopilotOutcome& outcome);
  // For the host's event pump while a step waits: an open burn wait gets one click on the hand
  // (which asks the burn question); if that did not end the wait, the decline button does.
  void DuringWait(Game& g);

 private:
  AutopilotOutcome Lead(Game& g);
  AutopilotOutcome Answer(Game& g);
  AutopilotOutcome ReturnTribute(Game& g);
  // Raises the set and plays it; on a refusal the raised cards are put back.
  AutopilotOutcome Lay(Game& g, const PlayRecord& set);

  long laid_ = 0;  // alternates the play button with a second click on the raised cards
  double clickedWaitEnd_ = -1;
};

// Raises exactly the set's cards (by rank) in the human's hand display with clicks the
// selection rules accept: one left click for a whole set, otherwise right clicks from the
// highest rank down, trimming a rank that filled itself up beyond the set. True on success.
bool RaiseSetByClicks(Game& g, const PlayRecord& set);

// "3x9 1x15 1x16": the set's cards by rank, for fault reports.
std::string DescribeSet(const PlayRecord& set);

}  // namespace zunda

#pragma once

#include "core/model.h"

namespace zunda {

// Variables of the turn cycle and of the wait routine.
struct FlowState {
  bool Running = false;
  bool WaitHuman = false;
  bool Paused = false;
  bool StopRequested = false;
  bool ExitRequested = false;
  double NextInterval = 10;  // milliseconds
  bool RoundOver = false;
  bool HandOver = false;
  bool LeadMode = false;
  bool HumanCommitted = false;
  bool HumanPassed = false;
  bool FoldInForce = false;
  bool InTick = false;
  // The posted actions are being applied (src/flow/apply_action.cpp).
  bool ApplyingActions = false;
  int LastPlayedSeat = 0;  // the seat whose play was executed last
  // A new game asked for while a tick was running; started when the tick ends.
  bool NewGameRequested = false;
  // The last action of the round was a pass, not a play (read by the closing test).
  bool LastActionWasPass = false;
  // The table play as it stood when the human was asked to answer; the human's commit
  // replaces the table play at once, and this becomes the previous table play.
  PlayRecord TableBeforeHuman;
  // Ticks run since the hand began; a bound on it proves that no round asks the same seats
  // for ever (checked by the simulator).
  long TicksThisHand = 0;

  // The wait (Delay).
  double DelayEnd = 0;
  bool DelayDone = true;
  bool LongDelay = false;
  double ShortWait = 0.2;
  bool FirstWaitPending = false;
  bool SkipWaitA = false;
  bool SkipWaitB = false;
  bool operator==(const FlowState&) const = default;
};

}  // namespace zunda

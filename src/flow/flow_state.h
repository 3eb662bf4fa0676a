#pragma once

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
  int LastPlayedSeat = 0;  // the seat whose play was executed last

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

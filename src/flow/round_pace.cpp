#include "flow/round_pace.h"

#include <algorithm>

#include "core/display.h"
#include "core/game.h"

namespace zunda {

namespace {

bool AtRoundEnd(const Game& g) {
  return g.MainCourse == TurnStep::EndRound && g.Flow.Running && !g.Flow.StopRequested &&
         !g.Stopped;
}

void EndHold(Game& g) {
  g.Extras.RoundHeld = false;
  // The prompt is cleared only if nothing has been shown over it meanwhile.
  if (g.Extras.PromptsShown == g.Extras.HoldPrompt) ShowPrompt(g, "");
}

}  // namespace

void ApplyRoundPace(Game& g) {
  // Inside a tick the step is not finished: its timer state is not yet the one it leaves.
  if (g.Flow.InTick) return;
  ExtrasState& x = g.Extras;
  Timer& timer = g.Win.TmrMainCircle;
  if (!AtRoundEnd(g)) {
    if (x.RoundHeld) EndHold(g);
    x.RoundReleased = false;
    return;
  }
  // Autoplay is there so that the game goes on without the user: it never waits for a click.
  if (x.RoundHeld && x.AutoplayOn) ReleaseRoundHold(g);
  if (x.RoundHeld) {
    // Whatever armed the timer meanwhile (a cancelled exit question restores it), the round
    // waits for its click.
    timer.Enabled = false;
    return;
  }
  if (!timer.Enabled) return;
  const ExtrasOptions& pace = g.Options.Extras;
  if (pace.HoldLastPlay && !x.RoundReleased && !x.AutoplayOn) {
    timer.Enabled = false;
    x.RoundHeld = true;
    ShowPrompt(g, kRoundHeldPrompt);
    x.HoldPrompt = g.Extras.PromptsShown;
    return;
  }
  timer.Interval = std::max(timer.Interval, std::clamp(pace.RoundStayMs, 0, kRoundStayMsMax));
}

bool RoundHeld(const Game& g) {
  return g.Extras.RoundHeld;
}

bool ReleaseRoundHold(Game& g) {
  if (!g.Extras.RoundHeld) return false;
  EndHold(g);
  g.Extras.RoundReleased = true;
  g.Win.TmrMainCircle.Enabled = true;
  return true;
}

}  // namespace zunda

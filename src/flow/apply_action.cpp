#include "flow/apply_action.h"

#include <cmath>

#include "core/display.h"
#include "core/game.h"
#include "core/scoped_flag.h"
#include "flow/hand_branch.h"
#include "flow/hand_storage.h"
#include "flow/round_pace.h"
#include "flow/turn_cycle.h"
#include "rules/burning.h"
#include "rules/commit_selection.h"
#include "rules/human_input.h"
#include "rules/tribute.h"

namespace zunda {

namespace {

void Play(Game& g) {
  // A second play posted before the first was applied finds the turn handed back.
  if (!HumanAwaited(g)) return;
  if (!CommitSelection(g)) return;
  // A lead goes on as a lead whether it was played by the button or by a second click.
  g.MainCourse = g.Flow.LeadMode ? TurnStep::HumanLed : TurnStep::HumanAnswered;
  ResumeTurnCycle(g);
  g.Seats[g.HumanSeat].OnTurn = false;
}

void Pass(Game& g) {
  // A pass outside the human's turn would act for the seat now playing.
  if (!HumanAwaited(g)) return;
  RecordAction(g, SimpleAction(RecordedKind::Pass, g.HumanSeat));
  AddEventLine(g, g.Seats[g.HumanSeat].Name, kPassLine);
  HumanPass(g);
  g.MainCourse = TurnStep::HumanAnswered;
  ResumeTurnCycle(g);
}

void Burn(Game& g, int seat) {
  // A click on the hand while the burn question is open is not a second offer.
  const ScopedFlag busy(g.Input.MouseBusy);
  if (OfferBurn(g, seat)) g.MainCourse = TurnStep::HumanAnswered;
}

void Scorch(Game& g) {
  RecordAction(g, SimpleAction(RecordedKind::Scorch, g.HumanSeat));
  if (!ScorchedVerdict(g, g.HumanSeat, true)) return;
  g.MainCourse = TurnStep::EndRound;
  ResumeTurnCycle(g);
}

void TakeBack(Game& g) {
  const std::string refused = TakeBackLastPlay(g);
  if (!refused.empty()) g.Msg(refused, Host::Buttons::Ok, Host::Icon::Exclamation);
}

void RestartTurnCycle(Game& g, TurnStep step, double intervalMs) {
  g.MainCourse = step;
  g.Flow.WaitHuman = false;
  g.Flow.NextInterval = intervalMs;
  g.Win.TmrMainCircle.Interval = static_cast<int>(std::lround(intervalMs));
  g.Win.TmrMainCircle.Enabled = true;
}

void ReturnTribute(Game& g) {
  switch (GiveBackRaisedCards(g)) {
    case ReturnGiven::No:
      return;
    case ReturnGiven::WhileStopping:
      RestartTurnCycle(g, TurnStep::Stop, 1);
      return;
    case ReturnGiven::Yes:
      RestartTurnCycle(g, TurnStep::AnnounceLeader, g.DelayTimeShunPai * 1000);
      return;
  }
}

}  // namespace

void ApplyAction(Game& g, const Action& action) {
  switch (action.Kind) {
    case ActionKind::Play:
      Play(g);
      return;
    case ActionKind::Pass:
      Pass(g);
      return;
    case ActionKind::OfferBurn:
      Burn(g, action.Seat);
      return;
    case ActionKind::DeclineBurn:
      DeclineBurnOffer(g);
      return;
    case ActionKind::Scorch:
      Scorch(g);
      return;
    case ActionKind::ReturnTribute:
      ReturnTribute(g);
      return;
    case ActionKind::HoldTurn:
      // The human chooses a set: no tick runs until the play or the pass.
      if (HumanAwaited(g)) g.Win.TmrMainCircle.Enabled = false;
      return;
    case ActionKind::ReleaseRound:
      ReleaseRoundHold(g);
      return;
    case ActionKind::Save:
      RequestSave(g);
      return;
    case ActionKind::Restore:
      RequestRestore(g);
      return;
    case ActionKind::NewGame:
      BeginNewGame(g);
      return;
    case ActionKind::EndHand:
      RequestEndOfHand(g);
      return;
    case ActionKind::Exit:
      BeginExit(g);
      return;
    case ActionKind::TakeBack:
      TakeBack(g);
      return;
  }
}

void RunPostedActions(Game& g) {
  g.ApplyPosted = &RunPostedActions;
  if (g.Flow.ApplyingActions) return;
  g.Guard([&] {
    const ScopedFlag applying(g.Flow.ApplyingActions);
    while (!g.Posted.empty() && !g.Stopped) {
      const Action action = g.Posted.front();
      g.Posted.pop_front();
      ApplyAction(g, action);
    }
  });
  // A stopped engine applies nothing more.
  if (g.Stopped) g.Posted.clear();
  // Between ticks the end of a round may be held or lengthened; the actions may have moved
  // the hand to or past such an end.
  g.Guard([&] { ApplyRoundPace(g); });
  if (!g.Stopped) SyncTakeBackMenu(g);
}

}  // namespace zunda

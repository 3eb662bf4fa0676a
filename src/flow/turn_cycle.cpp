#include "flow/turn_cycle.h"

#include <array>
#include <cmath>

#include "core/action.h"
#include "core/game.h"
#include "core/rounding.h"
#include "core/scoped_flag.h"
#include "core/text.h"
#include "flow/apply_action.h"
#include "flow/hand_branch.h"
#include "flow/hand_storage.h"
#include "flow/steps.h"

namespace zunda {

namespace {

using Step = void (*)(Game&);

// Indexed by TurnStep; Idle has no step, so a tick in it is a fault.
constexpr std::array<Step, kTurnSteps> kSteps = {
    nullptr,
    steps::NewGame,
    steps::DealHand,
    steps::Tribute,
    steps::ReturnTribute,
    steps::AnnounceLeader,
    steps::EndHand,
    steps::Stop,
    steps::StartRound,
    steps::SetUpLead,
    steps::HumanLead,
    steps::HumanLed,
    steps::ComputerLead,
    steps::ExecuteLead,
    steps::AfterLead,
    steps::AfterPlay,
    steps::SetUpResponder,
    steps::HumanResponse,
    steps::HumanAnswered,
    steps::ComputerResponse,
    steps::ApplyAnswer,
    steps::CloseAnswer,
    steps::EndRound,
};

bool RunStep(Game& g) {
  const auto index = static_cast<std::size_t>(g.MainCourse);
  if (index >= kSteps.size() || kSteps[index] == nullptr) return false;
  kSteps[index](g);
  return true;
}

// Resets what a new game starts from and sets the first state.
void StartNewGame(Game& g) {
  const std::string& player = g.Options.Players[g.Options.CurPlayer].Name;
  if (!player.empty()) g.Seats[g.HumanSeat].Name = LeftChars(player, 12);
  for (int seat = 1; seat <= kSeats; ++seat) {
    SeatRecord& s = g.Seats[seat];
    s.Place = 0;
    s.TributeSlots.Fill(Card());
    s.ReturnSlots.Fill(Card());
    s.TributeCount = 0;
    g.FinishOrder[seat] = 0;
    g.PrevFinishOrder[seat] = 0;
  }
  g.FirstHand = true;
  g.LeadSeat = 0;
  g.Flow.StopRequested = false;
  g.Flow.NewGameRequested = false;
  g.MainCourse = TurnStep::NewGame;
  g.Win.TmrMainCircle.Interval = 1;
  g.Win.TmrMainCircle.Enabled = true;
}

}  // namespace

double ShunInterval(const Game& g) {
  return g.DelayTimeShunPai * 1000;
}
double KouInterval(const Game& g) {
  return g.DelayTimeKouPai * 1000;
}

void TmrMainCircleTimer(Game& g) {
  g.ApplyPosted = &RunPostedActions;
  g.Guard([&] {
    Timer& timer = g.Win.TmrMainCircle;
    // A wait inside a tick lets events run; a timer event among them must not start a
    // second tick inside the first.
    if (g.Flow.InTick) return;
    // Actions come first, as they would have been applied before this tick came due. They
    // set the step and the timer themselves, so this tick runs no step.
    if (!g.Posted.empty()) {
      RunPostedActions(g);
      return;
    }
    timer.Enabled = false;
    if (g.Win.Minimized || g.Flow.Paused) {
      timer.Interval = 100;
      timer.Enabled = true;
      return;
    }
    const ScopedFlag inTick(g.Flow.InTick);

    if (g.Flow.StopRequested) g.MainCourse = TurnStep::Stop;
    g.Flow.WaitHuman = false;
    ++g.Flow.TicksThisHand;
    // Save and load requests from the menu run here, between two steps. A loaded hand that
    // waits for the human runs no step; the human's action goes on from there.
    const StorageState& storage = g.Storage;
    const bool skipStep =
        (storage.SaveRequested || storage.RestoreRequested) && CarryOutStorageRequests(g);
    if (!skipStep && !RunStep(g)) Fatal("Err:TmrMainCircle_Timer:MainCourse");
    g.HandStarted = false;
    g.Win.MnuZundaRun.Enabled = true;
    if (g.Flow.Running && !g.Flow.WaitHuman) {
      timer.Interval = static_cast<int>(RoundHalfAway(g.Flow.NextInterval));
      timer.Enabled = true;
    } else if (!g.Flow.Running && g.Flow.ExitRequested) {
      g.Win.CloseRequested = true;
    }
  });
  if (g.Flow.NewGameRequested && !g.Flow.InTick && !g.Stopped) StartNewGame(g);
  if (!g.Flow.InTick && !g.Stopped) {
    if (g.Storage.TakeOver.Pending) g.Guard([&] { CarryOutTakeOver(g); });
    SyncTakeBackMenu(g);
  }
}

void MnuZundaRunClick(Game& g) {
  g.Guard([&] { PostAction(g, ActionKind::NewGame); });
}

void MnuZundaEndClick(Game& g) {
  g.Guard([&] { PostAction(g, ActionKind::EndHand); });
}

bool MnuFileExitClick(Game& g) {
  bool confirmed = false;
  g.Guard([&] {
    // The hand stands still while the question is open, as behind any dialog.
    const bool wasPaused = g.Flow.Paused;
    g.Flow.Paused = true;
    confirmed = g.Msg("您真的要退出Zunda吗？", Host::Buttons::OkCancel, Host::Icon::Exclamation) ==
                Host::Answer::Ok;
    g.Flow.Paused = wasPaused;
    if (confirmed) PostAction(g, ActionKind::Exit);
  });
  return confirmed;
}

void BeginNewGame(Game& g) {
  if (g.Flow.InTick) {
    // The running tick finishes first; the new game starts as it ends.
    g.Flow.NewGameRequested = true;
    g.Flow.StopRequested = true;
    return;
  }
  StartNewGame(g);
}

void RequestEndOfHand(Game& g) {
  g.Flow.StopRequested = true;
  g.Win.TmrMainCircle.Interval = 1;
  g.Win.TmrMainCircle.Enabled = true;
}

void BeginExit(Game& g) {
  g.HandStarted = false;
  g.Flow.ExitRequested = true;
  if (g.Flow.Running) {
    g.Flow.StopRequested = true;
    g.Win.TmrMainCircle.Interval = 1;
    g.Win.TmrMainCircle.Enabled = true;
  } else {
    g.Win.CloseRequested = true;
  }
}

void ResumeTurnCycle(Game& g) {
  g.Flow.WaitHuman = false;
  g.Win.TmrMainCircle.Interval = static_cast<int>(std::lround(g.DelayTimeShunPai * 1000.0));
  g.Win.TmrMainCircle.Enabled = true;
}

}  // namespace zunda

#include "flow/turn_cycle.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "core/game.h"
#include "core/rounding.h"
#include "core/text.h"
#include "flow/hand_storage.h"
#include "flow/steps.h"

namespace zunda {

namespace {

using Step = void (*)(Game&);

constexpr std::array<std::pair<std::string_view, Step>, 22> kSteps = {{
    {"111_0", steps::NewGame},
    {"111_1", steps::DealHand},
    {"111_1_1", steps::Tribute},
    {"111_1_2", steps::AnnounceLeader},
    {"111_1_3", steps::ReturnTribute},
    {"111_3", steps::EndHand},
    {"111_4", steps::Stop},
    {"333_1", steps::StartRound},
    {"333_2", steps::AfterLead},
    {"333_3", steps::EndRound},
    {"444_1", steps::AfterPlay},
    {"444_2", steps::CloseAnswer},
    {"555_1", steps::SetUpLead},
    {"555_2", steps::HumanLead},
    {"555_3", steps::HumanLed},
    {"555_4", steps::ComputerLead},
    {"555_5", steps::ExecuteLead},
    {"666_1", steps::SetUpResponder},
    {"666_2", steps::HumanResponse},
    {"666_3", steps::HumanAnswered},
    {"666_6", steps::ComputerResponse},
    {"666_7", steps::ApplyAnswer},
}};

// Every code has five or seven characters and a digit at each end; those three things alone
// tell the codes apart, so a tick finds its step in a small table instead of comparing codes
// one after another. The code found is still compared in full.
constexpr int kNoStep = -1;
constexpr int kStepKeys = 200;

constexpr int StepKey(std::string_view code) {
  if (code.size() != 5 && code.size() != 7) return kNoStep;
  const char first = code.front();
  const char last = code.back();
  if (first < '0' || first > '9' || last < '0' || last > '9') return kNoStep;
  return (code.size() == 7 ? 100 : 0) + (first - '0') * 10 + (last - '0');
}

constexpr std::array<int, kStepKeys> kStepByKey = [] {
  std::array<int, kStepKeys> table{};
  table.fill(kNoStep);
  for (std::size_t i = 0; i < kSteps.size(); ++i)
    table[static_cast<std::size_t>(StepKey(kSteps[i].first))] = static_cast<int>(i);
  return table;
}();

constexpr bool KeysTellCodesApart() {
  for (std::size_t i = 0; i < kSteps.size(); ++i) {
    const int key = StepKey(kSteps[i].first);
    if (key == kNoStep || kStepByKey[static_cast<std::size_t>(key)] != static_cast<int>(i))
      return false;
  }
  return true;
}
static_assert(KeysTellCodesApart(), "two state codes share a key");

bool RunStep(Game& g) {
  const std::string_view state = g.MainCourse;
  const int key = StepKey(state);
  if (key == kNoStep) return false;
  const int index = kStepByKey[static_cast<std::size_t>(key)];
  if (index == kNoStep) return false;
  const auto& [code, step] = kSteps[static_cast<std::size_t>(index)];
  if (!std::equal(code.begin(), code.end(), state.begin(), state.end())) return false;
  step(g);
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
  g.MainCourse = "111_0";
  g.Win.TmrMainCircle.Interval = 1;
  g.Win.TmrMainCircle.Enabled = true;
}

}  // namespace

bool IsStateCode(std::string_view code) {
  for (const auto& step : kSteps) {
    if (step.first == code) return true;
  }
  return false;
}

double ShunInterval(const Game& g) {
  return g.DelayTimeShunPai * 1000;
}
double KouInterval(const Game& g) {
  return g.DelayTimeKouPai * 1000;
}

void TmrMainCircleTimer(Game& g) {
  g.Guard([&] {
    Timer& timer = g.Win.TmrMainCircle;
    // A wait inside a tick lets events run; a timer event among them must not start a
    // second tick inside the first.
    if (g.Flow.InTick) return;
    timer.Enabled = false;
    if (g.Win.Minimized || g.Flow.Paused) {
      timer.Interval = 100;
      timer.Enabled = true;
      return;
    }
    struct TickScope {
      bool& flag;
      explicit TickScope(bool& f) : flag(f) { flag = true; }
      ~TickScope() { flag = false; }
    } scope(g.Flow.InTick);

    if (g.Flow.StopRequested) g.MainCourse = "111_4";
    g.Flow.WaitHuman = false;
    ++g.Flow.TicksThisHand;
    // Save and load requests from the menu run here, between two steps. A loaded hand that
    // waits for the human runs no step; the human's action goes on from there.
    const bool skipStep = CarryOutStorageRequests(g);
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
}

void MnuZundaRunClick(Game& g) {
  g.Guard([&] {
    if (g.Flow.InTick) {
      // The running tick finishes first; the new game starts as it ends.
      g.Flow.NewGameRequested = true;
      g.Flow.StopRequested = true;
      return;
    }
    StartNewGame(g);
  });
}

void MnuZundaEndClick(Game& g) {
  g.Guard([&] {
    g.Flow.StopRequested = true;
    g.Win.TmrMainCircle.Interval = 1;
    g.Win.TmrMainCircle.Enabled = true;
  });
}

bool MnuFileExitClick(Game& g) {
  bool confirmed = false;
  g.Guard([&] {
    Timer& timer = g.Win.TmrMainCircle;
    const bool wasRunning = timer.Enabled;
    timer.Enabled = false;
    if (g.Msg("您真的要退出Zunda吗？", Host::Buttons::OkCancel, Host::Icon::Exclamation) !=
        Host::Answer::Ok) {
      timer.Enabled = wasRunning;
      return;
    }
    confirmed = true;
    g.HandStarted = false;
    g.Flow.ExitRequested = true;
    if (g.Flow.Running) {
      g.Flow.StopRequested = true;
      timer.Interval = 1;
      timer.Enabled = true;
    } else {
      g.Win.CloseRequested = true;
    }
  });
  return confirmed;
}

}  // namespace zunda

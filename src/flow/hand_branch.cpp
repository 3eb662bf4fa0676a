#include "flow/hand_branch.h"

#include <algorithm>
#include <utility>

#include "core/game.h"
#include "core/run_state.h"
#include "flow/hand_replay.h"
#include "flow/review_frame.h"

namespace zunda {

namespace {

constexpr char kNothingToTakeBack[] = "这一手还没有可以悔的牌。";
constexpr char kTakeBackOff[] = "悔牌没有打开（游戏设置）。";
constexpr char kTakeBackFailed[] = "悔牌没有成功：";
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

bool IsDecision(const RecordedAction& action) {
  return action.Kind == RecordedKind::Play || action.Kind == RecordedKind::Pass;
}

std::size_t LastDecision(const HandRecord& record, int seat) {
  for (std::size_t i = record.Actions.size(); i-- > 0;) {
    const RecordedAction& action = record.Actions[i];
    if (IsDecision(action) && action.Seat == seat) return i;
  }
  return kNone;
}

// The running game's event list up to its hand, then the lines of the hand taken over.
ListBox EventsWithHand(const Game& g, const std::vector<std::string>& handLines) {
  ListBox events = g.Win.LstDispEvent;
  const bool inHand = !g.Record.Closed && !g.Record.Decks.empty();
  const auto shown = static_cast<std::size_t>(std::max(0L, g.Record.Outcome.EventLines));
  const std::size_t keep =
      inHand ? events.Items.size() - std::min(shown, events.Items.size()) : events.Items.size();
  events.Items.resize(keep);
  events.Items.insert(events.Items.end(), handLines.begin(), handLines.end());
  events.ListIndex = static_cast<int>(events.Items.size()) - 1;
  return events;
}

std::string TakeOverNow(Game& g, const HandRecord& record, std::size_t nextAction, bool practice) {
  HandReplay replay;
  std::string problem = replay.Alone(record, nextAction);
  if (!problem.empty()) return problem;
  const Game& hand = replay.ReplayedGame();
  Game taken = hand;
  CarryOverRunState(g, taken);
  taken.host = g.host;
  taken.Record = hand.Record;
  taken.Record.Practice = practice;
  taken.PresetDecks.clear();
  taken.PresetDecksDealt = 0;
  // The taken hand's own pace and commands, not those of the hand it replaces.
  MainWindowControls& win = taken.Win;
  win.TmrMainCircle = hand.Win.TmrMainCircle;
  win.MnuZundaRun = hand.Win.MnuZundaRun;
  win.MnuZundaEnd = hand.Win.MnuZundaEnd;
  win.MnuSave = hand.Win.MnuSave;
  win.MnuForcePause = hand.Win.MnuForcePause;
  win.LstDispEvent = EventsWithHand(g, replay.EventLines());
  taken.Storage.TakeOver = TakeOverRequest{};
  g = std::move(taken);
  SyncTakeBackMenu(g);
  return "";
}

// Carried out now when no tick runs, else as the running tick ends.
void RequestTakeOver(Game& g, const HandRecord& record, std::size_t nextAction, bool practice) {
  TakeOverRequest& request = g.Storage.TakeOver;
  request.Pending = true;
  request.Record = record;
  request.NextAction = nextAction;
  request.Practice = practice;
  if (!g.Flow.InTick) CarryOutTakeOver(g);
}

}  // namespace

std::string BranchFromRecord(Game& g, const HandRecord& record, std::size_t nextAction,
                             bool scored) {
  std::string problem;
  g.Guard([&] {
    // Tried first, so that a record that does not get there leaves the game as it is.
    HandReplay trial;
    problem = trial.Alone(record, nextAction);
    if (problem.empty()) RequestTakeOver(g, record, nextAction, !scored);
  });
  return problem;
}

bool TakeBackAvailable(const Game& g) {
  return g.Options.Extras.TakeBack && !g.Stopped && HandShowing(g) && !g.Record.Restored &&
         LastDecision(g.Record, g.HumanSeat) != kNone;
}

std::string TakeBackLastPlay(Game& g) {
  if (!g.Options.Extras.TakeBack) return kTakeBackOff;
  if (!TakeBackAvailable(g)) return kNothingToTakeBack;
  const HandRecord record = g.Record;
  RequestTakeOver(g, record, LastDecision(record, g.HumanSeat), true);
  return "";
}

void CarryOutTakeOver(Game& g) {
  if (!g.Storage.TakeOver.Pending) return;
  const TakeOverRequest request = std::exchange(g.Storage.TakeOver, TakeOverRequest{});
  const std::string problem = TakeOverNow(g, request.Record, request.NextAction, request.Practice);
  if (!problem.empty()) {
    g.Msg(kTakeBackFailed + problem, Host::Buttons::Ok, Host::Icon::Exclamation);
  }
}

void SyncTakeBackMenu(Game& g) {
  MenuItem& item = g.Win.MnuTakeBack;
  item.Visible = g.Options.Extras.TakeBack;
  item.Enabled = item.Visible && TakeBackAvailable(g);
}

void MnuTakeBackClick(Game& g) {
  g.Guard([&] { PostAction(g, ActionKind::TakeBack); });
}

}  // namespace zunda

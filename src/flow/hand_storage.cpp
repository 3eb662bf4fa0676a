#include "flow/hand_storage.h"

#include <cmath>

#include "core/action.h"
#include "core/game.h"
#include "core/save_messages.h"
#include "core/score_table.h"

namespace zunda {

namespace {

constexpr int kRunDataSlots = 5;

constexpr char kAskSave[] = "是否保存当前牌局？";
constexpr char kSaved[] = "当前牌局已保存!";
constexpr char kAskRestore[] = "是否恢复牌局？";
constexpr char kRestored[] = "牌局已恢复!";

bool Confirmed(Game& g, const char* question) {
  const bool yes = g.Msg(question, Host::Buttons::YesNo, Host::Icon::Question) == Host::Answer::Yes;
  RecordAction(g, AnswerAction(g.HumanSeat, yes));
  return yes;
}

void CarryOutSave(Game& g) {
  // A "No" also ends the request; otherwise every later tick would ask again.
  g.Storage.SaveRequested = false;
  if (!Confirmed(g, kAskSave)) return;
  const SaveResult saved = g.Store != nullptr
                               ? g.Store->SaveHand(g)
                               : SaveResult{WriteFault::Other, "", "没有存放文件的地方"};
  // Saying "saved" after a failed write would let the user trust a save that is not there.
  if (saved.Ok()) {
    RecordAction(g, SimpleAction(RecordedKind::Save, g.HumanSeat));
    // The hand just saved can be loaded at once, not only from the next hand on.
    g.Win.MnuRead.Visible = true;
    g.Win.MnuRead.Enabled = true;
    g.Msg(kSaved);
  } else {
    g.Msg(HandSaveFailedText(saved), Host::Buttons::Ok, Host::Icon::Exclamation);
  }
}

void CarryOutRestore(Game& g) {
  g.Storage.RestoreRequested = false;
  if (!Confirmed(g, kAskRestore)) return;
  const RestoreResult result = g.Store != nullptr ? g.Store->RestoreHand(g) : RestoreResult{};
  if (result.Outcome != RestoreOutcome::Restored) {
    // A pair that is there but cannot be used says what is wrong with it, never that no hand
    // was saved.
    g.Msg(RestoreFailedText(result));
    return;
  }
  RecordAction(g, SimpleAction(RecordedKind::Restore, g.HumanSeat));
  g.Record.Restored = true;
  // Only a hand actually loaded counts as a restart.
  RecordRestart(g);
  SaveScores(g);
  // The saved ranking is that of the save; the scores have moved on since.
  ShowRankingInTalkList(g);
  g.Msg(kRestored);
}

bool CycleIdle(const Game& g) {
  return !g.Flow.InTick && !g.Win.TmrMainCircle.Enabled;
}

// After a request carried out outside a tick: a restored hand that does not wait for the
// human goes on by itself.
void ResumeIfRunning(Game& g) {
  if (!g.Flow.Running || g.Flow.WaitHuman) return;
  g.Win.TmrMainCircle.Interval = static_cast<int>(std::lround(g.Flow.NextInterval));
  g.Win.TmrMainCircle.Enabled = true;
}

}  // namespace

void MnuSaveClick(Game& g) {
  g.Guard([&] { PostAction(g, ActionKind::Save); });
}

void MnuReadClick(Game& g) {
  g.Guard([&] { PostAction(g, ActionKind::Restore); });
}

void RequestSave(Game& g) {
  g.Storage.SaveRequested = true;
  if (CycleIdle(g)) CarryOutStorageRequests(g);
}

void RequestRestore(Game& g) {
  g.Storage.RestoreRequested = true;
  if (!CycleIdle(g)) return;
  CarryOutStorageRequests(g);
  ResumeIfRunning(g);
}

bool CarryOutStorageRequests(Game& g) {
  if (g.Storage.SaveRequested) CarryOutSave(g);
  if (!g.Storage.RestoreRequested) return false;
  CarryOutRestore(g);
  return !g.Flow.Running || g.Flow.WaitHuman;
}

void RecordRunData(Game& g) {
  if (!g.Options.RecRunData || g.Store == nullptr) return;
  StorageState& storage = g.Storage;
  storage.SilentSave = true;
  storage.RunDataSlot = storage.RunDataSlot % kRunDataSlots + 1;
  const SaveResult written = g.Store->WriteRunData(g, storage.RunDataSlot);
  storage.SilentSave = false;
  TellSaveResult(g, kRunDataTopic, written);
}

void RecordScores(Game& g) {
  // A practice hand is played for its own sake and leaves the score table alone.
  if (!g.Record.Practice) RecordHandResult(g);
  SaveScores(g);
  ShowRankingInTalkList(g);
}

void KeepHandInHistory(Game& g) {
  CloseHandRecord(g);
  // A hand a saved hand was loaded into no longer replays from its record.
  if (g.Store == nullptr || g.Record.Restored) return;
  TellSaveResult(g, kHistoryTopic, g.Store->KeepHand(g));
}

void SaveScores(Game& g) {
  if (g.Store != nullptr) TellSaveResult(g, kScoresTopic, g.Store->SaveScores(g));
}

}  // namespace zunda

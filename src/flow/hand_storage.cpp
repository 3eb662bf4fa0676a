#include "flow/hand_storage.h"

#include <cmath>

#include "core/game.h"
#include "core/score_table.h"

namespace zunda {

namespace {

constexpr int kRunDataSlots = 5;

constexpr char kAskSave[] = "是否保存当前牌局？";
constexpr char kSaved[] = "当前牌局已保存!";
// Saying "saved" after a failed write would let the user trust a save that is not there.
constexpr char kSaveFailed[] = "牌局保存失败，请检查程序文件夹是否允许写入。";
constexpr char kAskRestore[] = "是否恢复牌局？";
constexpr char kNoSavedHand[] = "没有保存牌局。";
constexpr char kRestored[] = "牌局已恢复!";

bool Confirmed(Game& g, const char* question) {
  return g.Msg(question, Host::Buttons::YesNo, Host::Icon::Question) == Host::Answer::Yes;
}

void CarryOutSave(Game& g) {
  // A "No" also ends the request; otherwise every later tick would ask again.
  g.Storage.SaveRequested = false;
  if (!Confirmed(g, kAskSave)) return;
  const bool saved = g.Store != nullptr && g.Store->SaveHand(g);
  g.Msg(saved ? kSaved : kSaveFailed);
}

void CarryOutRestore(Game& g) {
  g.Storage.RestoreRequested = false;
  if (!Confirmed(g, kAskRestore)) return;
  const RestoreOutcome outcome =
      g.Store != nullptr ? g.Store->RestoreHand(g) : RestoreOutcome::NoSavedHand;
  switch (outcome) {
    case RestoreOutcome::Restored:
      // Only a hand actually loaded counts as a restart.
      RecordRestart(g);
      if (g.Store != nullptr) g.Store->SaveScores(g);
      g.Msg(kRestored);
      break;
    case RestoreOutcome::NoSavedHand:
      g.Msg(kNoSavedHand);
      break;
    case RestoreOutcome::OtherVersion:
      break;
  }
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
  g.Guard([&] {
    g.Storage.SaveRequested = true;
    if (CycleIdle(g)) CarryOutStorageRequests(g);
  });
}

void MnuReadClick(Game& g) {
  g.Guard([&] {
    g.Storage.RestoreRequested = true;
    if (!CycleIdle(g)) return;
    CarryOutStorageRequests(g);
    ResumeIfRunning(g);
  });
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
  g.Store->WriteRunData(g, storage.RunDataSlot);
  storage.SilentSave = false;
}

void RecordScores(Game& g) {
  RecordHandResult(g);
  SaveScores(g);
  ShowRankingInTalkList(g);
}

void SaveScores(Game& g) {
  if (g.Store != nullptr) g.Store->SaveScores(g);
}

}  // namespace zunda

// The hand-level steps of the turn cycle: deal, tribute, the leader, the end of a hand, stop.
#include <cmath>
#include <string>

#include "core/display.h"
#include "core/game.h"
#include "core/score_table.h"
#include "core/seats.h"
#include "core/text.h"
#include "deal/deal_until_accepted.h"
#include "deal/hand_setup.h"
#include "flow/hand_storage.h"
#include "flow/new_round.h"
#include "flow/steps.h"
#include "flow/turn_cycle.h"
#include "rules/finishing.h"
#include "rules/hand_display.h"
#include "rules/tribute.h"

namespace zunda::steps {

namespace {
void ClearStatusText(Game& g) {
  g.Win.LblStatusBar[0].Caption.clear();
}

void HideHand(Game& g) {
  for (int i = 1; i <= kHandSlots; ++i)
    g.Win.ImgHand[i].Visible = false;
}
}  // namespace

void NewGame(Game& g) {
  g.Win.LstDispEvent.Visible = true;
  g.Win.LstTalk.Visible = true;
  g.Win.TmrDispFCP.Enabled = true;
  Timer& timer = g.Win.TmrMainCircle;
  timer.Enabled = false;
  if (NewHand(g)) {
    g.MainCourse = TurnStep::DealHand;
    timer.Interval = static_cast<int>(std::nearbyint(g.DelayTimeShunPai * 1000));
  }
  timer.Enabled = true;
}

void DealHand(Game& g) {
  ClearStatusText(g);
  ShowRankingInTalkList(g);
  g.HandStarted = true;
  g.Flow.TicksThisHand = 0;
  BeginHandRecord(g);
  InitHand(g);
  if (!DealUntilAccepted(g)) {
    // The test player's weak hand is thrown in and dealt again at once.
    if (g.Deal.ThrownIn) {
      g.Deal.ThrownIn = false;
      g.MainCourse = TurnStep::DealHand;
      g.Win.TmrMainCircle.Interval = 1;
      g.Win.TmrMainCircle.Enabled = true;
    }
    return;
  }
  g.PlayedByRank.Fill(0);
  g.Ai.HandInPlay = true;
  NewRound(g);
  g.Flow.LongDelay = false;
  ShowHand(g, g.HumanSeat);
  g.Flow.NextInterval = ShunInterval(g);
  g.MainCourse = TurnStep::Tribute;
}

void Tribute(Game& g) {
  // RunTribute itself knows when no tribute is due (first hand, no result yet) and then marks
  // the hand as played without one.
  if (RunTribute(g)) {
    g.Flow.NextInterval = TributeWaitMs(g);
    g.MainCourse = TurnStep::ReturnTribute;
    return;
  }
  g.Flow.NextInterval = ShunInterval(g);
  g.MainCourse = TurnStep::AnnounceLeader;
}

void ReturnTribute(Game& g) {
  if (BeginReturnPhase(g)) {
    // The human chooses the cards to return; the return-tribute button goes on from here.
    g.Flow.WaitHuman = true;
    return;
  }
  FinishTribute(g);
  ShowHand(g, g.HumanSeat);
  g.Flow.NextInterval = ShunInterval(g);
  g.MainCourse = TurnStep::AnnounceLeader;
  if (g.Flow.StopRequested) {
    g.Flow.NextInterval = 1;
    g.MainCourse = TurnStep::Stop;
  }
}

void AnnounceLeader(Game& g) {
  ShowPrompt(g, "发牌方: " + Trim(g.Seats[g.LeadSeat].Name));
  g.Flow.RoundOver = false;
  g.Flow.HandOver = false;
  g.TripleCapture = false;
  g.Flow.NextInterval = ShunInterval(g);
  g.MainCourse = TurnStep::StartRound;
  if (g.Flow.StopRequested) {
    g.MainCourse = TurnStep::Stop;
    g.Flow.Running = false;
  }
}

void EndHand(Game& g) {
  g.Ai.HandInPlay = false;
  if (g.Flow.StopRequested) {
    g.Flow.Running = false;
  } else {
    ShowFinishSummary(g);
    RecordScores(g);  // counts the result, saves the score file, refreshes the ranking
    KeepHandInHistory(g);
    const int last = g.FinishOrder[6];
    if (last != 0 && last != g.HumanSeat && !g.TripleCapture) {
      const std::string name = Trim(g.Seats[last].Name);
      ShowHand(g, last);
      ShowPrompt(g, "下面是大落【" + name + "】手里的牌:");
      g.Msg("下面是大落【" + name + "】剩余的牌");
    }
    HideHand(g);
  }
  g.MainCourse = g.Flow.Running ? TurnStep::DealHand : TurnStep::Stop;
}

void Stop(Game& g) {
  g.Ai.HandInPlay = false;
  SaveScores(g);
  HideHand(g);
  ClearStatusText(g);
  g.Win.LstTalk.Visible = false;
  g.Win.LstDispEvent.Clear();
  g.Win.LstDispEvent.Visible = false;
  ShowPrompt(g, "");
  g.Burn.BurnOfferMode = 0;
  g.Win.MnuZundaRun.Enabled = true;
  g.Win.MnuZundaEnd.Enabled = false;
  g.Win.MnuSave.Enabled = false;
  g.Win.MnuRead.Enabled = false;
  g.Win.MnuForcePause.Enabled = false;
  g.Win.TmrMainCircle.Enabled = false;
  g.Flow.Running = false;
  if (g.Flow.StopRequested) g.Win.TmrDispFCP.Enabled = false;
}

}  // namespace zunda::steps

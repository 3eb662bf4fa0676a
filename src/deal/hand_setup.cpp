#include "deal/hand_setup.h"

#include "core/display.h"
#include "core/game.h"
#include "core/seats.h"

namespace zunda {

namespace {

void ResetTurnCycleFlags(Game& g) {
  FlowState& f = g.Flow;
  f.Running = true;
  f.WaitHuman = false;
  f.Paused = false;
  f.RoundOver = false;
  f.HandOver = false;
  f.LeadMode = false;
  f.HumanCommitted = false;
  f.HumanPassed = false;
  f.FoldInForce = false;
  f.SkipWaitA = false;
  f.SkipWaitB = false;

  BurnState& b = g.Burn;
  b.BurnOfferMode = 0;
  b.BurnerSeat = 0;
  b.BurnedSeat = 0;
  b.BurnerTurnTaken = false;
  b.BurnBeaten = true;
  b.ScorchedCounter = 0;
}

void ResetNameLabel(Label& label) {
  label.Caption = label.Tag;  // the tag keeps the seat's plain name
  label.Visible = true;
  label.BackColor = kColorNormal;
  label.Opaque = false;
  label.BorderStyle = 0;
}

void ResetSeat(SeatRecord& s, int seat) {
  s.CardCount = kHandSlots;
  s.SetCount = 12;
  s.JokerCount = 0;
  s.Passed = false;
  s.Folded = false;
  s.Finished = false;
  s.BurnRight = false;
  s.Burned = false;
  s.Scorched = false;
  s.StrongHand = false;
  s.FinishMode = false;
  s.OppositeOut = false;
  s.Shade = SeatShade::None;
  s.OnTurn = false;
  s.HandScore = 0;
  s.Team = TeamLetter(seat);
  s.IsHuman = seat == 1;
}

}  // namespace

bool NewHand(Game& g) {
  if (g.HandStarted && !g.FirstHand) {
    const Host::Answer answer =
        g.Msg("真要重新洗牌、抓牌吗？", Host::Buttons::OkCancel, Host::Icon::Question);
    if (answer == Host::Answer::Cancel) return false;
  }
  InitHand(g);
  BuildDeck(g.Deck);
  return true;
}

void InitHand(Game& g) {
  MainWindowControls& w = g.Win;
  ShowPrompt(g, "初始化起始状态");
  g.Table.TableSlotUsed.Fill(false);
  g.HandStarted = true;
  w.TmrPrompt.Enabled = false;
  // The rule switches are constants of the game (the previous last place leads), so there
  // is nothing to reset for them.
  g.Flow.ShortWait = 0.2;
  g.Flow.NextInterval = g.DelayTimeShunPai * 1000;
  ResetTurnCycleFlags(g);

  w.MnuSave.Enabled = true;
  w.MnuForcePause.Enabled = true;
  w.MnuZundaRun.Enabled = true;
  w.MnuZundaEnd.Enabled = true;
  for (Button* button :
       {&w.CmdPass, &w.CmdHG, &w.CmdNotSP, &w.CmdReturn, &w.CmdSend, &w.CmdShaoHuLe}) {
    button->Visible = false;
  }
  const bool saved = g.SavedHandExists && g.SavedHandExists();
  w.MnuRead.Visible = saved;
  w.MnuRead.Enabled = saved;

  for (int seat = 1; seat <= kSeats; ++seat)
    g.PrevFinishOrder[seat] = g.FinishOrder[seat];
  for (Label& label : w.LblName)
    ResetNameLabel(label);

  ClearPlayCounts(g.TablePlay);
  g.LeadSeat = g.PrevFinishOrder[kSeats];

  for (auto& seatHand : g.Hand) {
    for (HandBucket& bucket : seatHand)
      bucket.Count = 0;
  }
  for (Image& card : w.ImgHand)
    card.Visible = false;
  for (int seat = 1; seat <= kSeats; ++seat)
    ResetSeat(g.Seats[seat], seat);
  for (Frame& area : w.Frame1)
    area.ToolTipText = "该家没有出牌";
  g.PlayedByRank.Fill(0);
}

}  // namespace zunda

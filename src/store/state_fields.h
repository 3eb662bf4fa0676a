#pragma once

// The order of the values of the state file ("Var.znd"), shared by its writer and its reader
// so that the two can never drift apart. G is Game for the reader and const Game for the
// writer; the visitor V writes or reads one value per call and, when reading, checks it
// against the range given.
//
// The first rows are those the state file always held, in their old order; what the
// engine keeps beyond them follows, so that a loaded hand goes on exactly where it stopped.
// The hands themselves are in the hands file. Not kept: the options, the waits, the score
// counters, the folders and what belongs to this run of the program only (pending requests,
// menus, the main timer, a running tick).

#include <cstdint>
#include <limits>
#include <string>

#include "core/cards.h"
#include "core/game.h"
#include "core/table_display.h"

namespace zunda::state_fields {

inline constexpr long long kInt16Min = -32768;
inline constexpr long long kInt16Max = 32767;
inline constexpr long long kColorMax = 0xFFFFFF;
inline constexpr long long kIntMax = std::numeric_limits<int>::max();
inline constexpr long long kLongMax = std::numeric_limits<long>::max();
// Names, tool tips, captions and event lines: generous, but a damaged file cannot make the
// reader hold more than this per value.
inline constexpr std::size_t kTextMax = 4096;
// The event list grows for the whole game (over 200 lines a hand), so a long run of hands
// goes far past any round figure; a list's lines are read one by one, and a damaged count
// runs out of lines long before it runs out of memory. The list index is an int.
inline constexpr long long kListMax = kIntMax;
inline constexpr int kPlaySlots = 16;
inline constexpr int kTributeSlots = 10;

template <class C, class V>
void VisitCard(C& card, V& v) {
  v.Code(card.Code);
  v.Number(card.Rank, 0, kBigJoker);
}

// A play as a seat's last shown play: base codes, then the twos' codes.
template <class P, class V>
void VisitShownPlay(P& play, V& v) {
  v.Letter(play.Tag);
  v.Number(play.Seat, 0, kSeats);
  v.Number(play.BigJokers, 0, kDeckSize);
  v.Number(play.BaseRank, 0, kBigJoker);
  v.Number(play.BaseCount, 0, kPlaySlots);
  for (int j = 1; j <= kPlaySlots; ++j)
    v.Code(play.BaseCodes[j]);
  v.Number(play.SmallJokers, 0, kDeckSize);
  v.Number(play.TwoCount, 0, kPlaySlots);
  for (int j = 1; j <= kPlaySlots; ++j)
    v.Code(play.TwoCodes[j]);
  v.Number(play.Total, 0, kDeckSize);
}

// A play as the table play, the selection and the previous table play: codes alternating.
template <class P, class V>
void VisitPlay(P& play, V& v) {
  v.Letter(play.Tag);
  v.Number(play.Seat, 0, kSeats);
  v.Number(play.BigJokers, 0, kDeckSize);
  v.Number(play.BaseRank, 0, kBigJoker);
  v.Number(play.BaseCount, 0, kPlaySlots);
  for (int j = 1; j <= kPlaySlots; ++j) {
    v.Code(play.BaseCodes[j]);
    v.Code(play.TwoCodes[j]);
  }
  v.Number(play.SmallJokers, 0, kDeckSize);
  v.Number(play.TwoCount, 0, kPlaySlots);
  v.Number(play.Total, 0, kDeckSize);
}

template <class B, class V>
void VisitButton(B& button, V& v) {
  v.Text(button.ToolTipText);
  v.Flag(button.Visible);
}

template <class B, class V>
void VisitButtonRest(B& button, V& v) {
  v.Flag(button.Enabled);
  v.Flag(button.HasFocus);
  v.Text(button.Picture);
}

// A label but its caption and visibility.
template <class L, class V>
void VisitLabelRest(L& label, V& v) {
  v.Text(label.Tag);
  v.Text(label.ToolTipText);
  v.Number(label.ForeColor, 0, kColorMax);
  v.Number(label.BackColor, 0, kColorMax);
  v.Flag(label.Opaque);
  v.Number(label.BorderStyle, 0, 1);
}

// An image but its visibility.
template <class I, class V>
void VisitImageRest(I& image, V& v) {
  v.Text(image.Tag);
  v.Number(image.Top, kInt16Min, kInt16Max);
  v.Number(image.Left, kInt16Min, kInt16Max);
  v.Text(image.ToolTipText);
}

template <class L, class V>
void VisitList(L& list, V& v) {
  v.Lines(list.Items, kListMax);
  v.Number(list.ListIndex, -1, kListMax - 1);
  v.Flag(list.Visible);
  v.Text(list.ToolTipText);
}

template <class T, class V>
void VisitTimer(T& timer, V& v) {
  v.Flag(timer.Enabled);
  v.Number(timer.Interval, 0, kIntMax);
}

template <class G, class V>
void VisitSavedState(G& g, V& v) {
  auto& win = g.Win;
  auto& flow = g.Flow;
  auto& burn = g.Burn;

  v.Version();
  v.Flag(win.ImgRGB.Visible);
  v.Text(win.LblPrompt.Caption);
  v.Flag(win.LblPrompt.Visible);
  v.CurrentEntry(win.LstTalk);
  v.CurrentEntry(win.LstDispEvent);
  VisitButton(win.CmdSend, v);
  VisitButton(win.CmdPass, v);
  VisitButton(win.CmdHG, v);

  for (int i = 1; i <= kSeats; ++i) {
    auto& s = g.Seats[i];
    v.Flag(s.IsHuman);
    v.Text(s.Name);
    v.Text(win.LblName[i].ToolTipText);
    v.Letter(s.Team);
    v.Number(s.HandScore, kInt16Min, kInt16Max);
    v.Number(s.Place, 0, kSeats);
    v.Flag(s.StrongHand);
    v.Number(s.JokerCount, 0, kDeckSize);
    // A receiver holds more than a dealt hand until it has given tribute back.
    v.Number(s.CardCount, 0, kDeckSize);
    v.Number(s.SetCount, 0, kAce - kLowRank + 1);
    v.Flag(s.Burned);
    v.Flag(s.Scorched);
    v.Flag(s.Passed);
    v.Flag(s.Folded);
    v.Flag(s.BurnRight);
    v.Flag(s.FinishMode);
    v.Flag(s.OppositeOut);
    v.Flag(s.Finished);
  }
  for (int i = 1; i <= kSeats; ++i) {
    for (int j = 1; j <= kTributeSlots; ++j) {
      VisitCard(g.Seats[i].TributeSlots[j], v);
      VisitCard(g.Seats[i].ReturnSlots[j], v);
    }
  }
  for (int i = 1; i <= kSeats; ++i) {
    auto& s = g.Seats[i];
    v.Number(s.TributeCount, 0, kTributeSlots);
    v.Number(g.Deal.ThreesDealt[i], 0, kDeckSize);
    v.Number(g.PrevFinishOrder[i], 0, kSeats);
    v.Number(g.FinishOrder[i], 0, kSeats);
    v.Number(s.Spare2, kInt16Min, kInt16Max);
    v.Flag(s.ReturnDone);
    v.Text(win.Frame1[i].ToolTipText);
    v.Flag(win.Frame1[i].Visible);
  }
  for (int i = 1; i <= kSeats; ++i)
    VisitShownPlay(g.Table.ShownPlay[i - 1], v);
  for (int i = 1; i <= kSeats; ++i) {
    v.Number(win.LblName[i].BackColor, 0, kColorMax);
    v.Number(win.LblName[i].BorderStyle, 0, 1);
    v.Text(win.LblName[i].Caption);
  }
  for (int i = 1; i <= kTableSlots; ++i) {
    // The file keeps a tip for every image; a row's images share theirs.
    v.Text(win.ImgTableRowTip[TableRowOf(i)]);
    v.Flag(win.ImgTable[i].Visible);
    v.Text(win.ImgTable[i].Tag);
  }
  v.CardTables();
  for (int i = 1; i <= kDeckSize; ++i) {
    VisitCard(g.Deck[i], v);
    VisitCard(g.DeckCopy[i], v);
  }
  VisitPlay(g.TablePlay, v);
  VisitPlay(g.Selection, v);
  VisitPlay(g.PrevTablePlay, v);
  for (int rank = kLowRank; rank <= kBigJoker; ++rank)
    v.Number(g.PlayedByRank[rank], 0, kDeckSize);

  v.Flag(g.FirstHand);
  v.Number(g.Finish.Remaining, 0, kSeats);
  v.Flag(flow.RoundOver);
  v.Flag(flow.HandOver);
  v.Flag(flow.LeadMode);
  v.Flag(flow.HumanCommitted);
  v.Flag(flow.HumanPassed);
  v.Flag(flow.FoldInForce);
  v.Number(burn.BurnOfferMode, 0, 2);
  v.Number(burn.BurnerSeat, 0, kSeats);
  v.Flag(burn.BurnerTurnTaken);
  for (int i = 1; i <= kSeats; ++i) {
    for (int suit = 1; suit <= 4; ++suit)
      v.Number(g.Deal.ThreesBySuit[i][suit], 0, kDeckSize);
  }

  v.Single(flow.NextInterval);
  v.Single(flow.DelayEnd);
  v.Number(g.LeadSeat, 0, kSeats);
  v.Number(g.CurrentSeat, 0, kSeats);
  v.Number(burn.ScorchedCounter, 0, kSeats);
  v.Flag(g.TripleCapture);
  v.Flag(g.Storage.SilentSave);
  v.Number(g.Storage.RunDataSlot, 0, 5);
  v.Number(g.HumanSeat, 1, 1);
  v.Flag(g.Tribute.InProgress);
  v.Flag(flow.Running);
  v.Flag(flow.WaitHuman);
  v.Flag(flow.DelayDone);
  v.Flag(flow.LongDelay);
  v.Single(flow.ShortWait);
  v.Flag(flow.FirstWaitPending);
  v.Flag(flow.SkipWaitA);
  v.Flag(flow.SkipWaitB);
  v.Number(burn.BurnedSeat, 0, kSeats);
  v.Flag(burn.BurnBeaten);
  v.Flag(g.HandStarted);
  v.Flag(g.BigJokerOnTable);
  v.Step(g.MainCourse);

  // --- Beyond the old rows. ---
  for (int i = 1; i <= kSeats; ++i) {
    v.Flag(g.Seats[i].OnTurn);
    v.Text(g.Seats[i].TributeText);
  }
  v.Number(flow.LastPlayedSeat, 0, kSeats);
  v.Flag(flow.LastActionWasPass);
  VisitPlay(flow.TableBeforeHuman, v);
  v.Number(flow.TicksThisHand, 0, kLongMax);
  v.Number(g.Deal.MostThreesSeat, 0, kSeats);
  v.Number(g.Deal.MostThrees, 0, kDeckSize);
  v.Number(g.Deal.ShortBuckets, 0, kDeckSize);
  v.Flag(g.Finish.ResultTripleCapture);
  v.Flag(g.Tribute.PlayedThisHand);
  v.Flag(g.Tribute.WaitingForHuman);
  for (int rank = kLowRank; rank <= kBigJoker; ++rank)
    v.Number(g.Ai.GapBonus[rank], kInt16Min, kInt16Max);
  v.Flag(g.Ai.HandInPlay);
  v.Flag(g.Ai.KeepHumanChoice);
  v.Flag(g.Input.MouseBusy);
  v.Flag(g.Input.PeekArmed);
  v.Flag(g.Input.PeekShown);
  for (int i = 0; i <= kTableSlots; ++i)
    v.Flag(g.Table.TableSlotUsed[i]);
  v.Number(g.Table.LastShownSeat, 0, kSeats);
  v.Number(g.Table.LastShownCount, 0, kDeckSize);
  v.Text(g.Table.PlayedStatusText);
  v.Number(g.Table.CardStep, kInt16Min, kInt16Max);

  for (int i = 1; i <= kSeats; ++i) {
    v.Text(win.LblName[i].Tag);
    v.Flag(win.LblName[i].Visible);
    v.Number(win.LblName[i].ForeColor, 0, kColorMax);
    v.Flag(win.LblName[i].Opaque);
  }
  for (int i = 1; i <= kTableSlots; ++i) {
    v.Number(win.ImgTable[i].Top, kInt16Min, kInt16Max);
    v.Number(win.ImgTable[i].Left, kInt16Min, kInt16Max);
  }
  for (int i = 1; i <= kHandSlots; ++i) {
    v.Flag(win.ImgHand[i].Visible);
    VisitImageRest(win.ImgHand[i], v);
  }
  VisitList(win.LstDispEvent, v);
  VisitList(win.LstTalk, v);
  VisitLabelRest(win.LblPrompt, v);
  v.Text(win.LblStatusBar[0].Caption);
  v.Flag(win.LblStatusBar[0].Visible);
  VisitLabelRest(win.LblStatusBar[0], v);
  VisitImageRest(win.ImgRGB, v);
  v.Flag(win.TurnMarkerRunning);
  VisitButtonRest(win.CmdSend, v);
  VisitButtonRest(win.CmdPass, v);
  VisitButtonRest(win.CmdHG, v);
  VisitButton(win.CmdReturn, v);
  VisitButtonRest(win.CmdReturn, v);
  VisitButton(win.CmdNotSP, v);
  VisitButtonRest(win.CmdNotSP, v);
  VisitButton(win.CmdShaoHuLe, v);
  VisitButtonRest(win.CmdShaoHuLe, v);
  VisitTimer(win.TmrDispFCP, v);
  VisitTimer(win.TmrPrompt, v);
  v.PairCheck();
}

}  // namespace zunda::state_fields

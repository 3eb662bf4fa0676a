#pragma once

#include <string>
#include <vector>

#include "core/game.h"

namespace zunda::testing {

// The parts of two games that differ, by name; empty when they are the same game.
inline std::vector<std::string> GameDifferences(const Game& a, const Game& b) {
  std::vector<std::string> differ;
  const auto check = [&](bool same, const char* name) {
    if (!same) differ.emplace_back(name);
  };
  check(a.Deck == b.Deck, "Deck");
  check(a.DeckCopy == b.DeckCopy, "DeckCopy");
  check(a.Hand == b.Hand, "Hand");
  check(a.DealtHand == b.DealtHand, "DealtHand");
  for (int seat = 1; seat <= kSeats; ++seat)
    check(a.Seats[seat] == b.Seats[seat], ("Seats " + std::to_string(seat)).c_str());
  check(a.TablePlay == b.TablePlay, "TablePlay");
  check(a.Selection == b.Selection, "Selection");
  check(a.PrevTablePlay == b.PrevTablePlay, "PrevTablePlay");
  check(a.PlayedByRank == b.PlayedByRank, "PlayedByRank");
  check(a.MainCourse == b.MainCourse, "MainCourse");
  check(a.HumanSeat == b.HumanSeat && a.LeadSeat == b.LeadSeat && a.CurrentSeat == b.CurrentSeat,
        "seats of the hand");
  check(a.FinishOrder == b.FinishOrder && a.PrevFinishOrder == b.PrevFinishOrder, "FinishOrder");
  check(a.FirstHand == b.FirstHand && a.HandStarted == b.HandStarted &&
            a.TripleCapture == b.TripleCapture && a.BigJokerOnTable == b.BigJokerOnTable,
        "hand flags");
  check(a.Options == b.Options, "Options");
  check(a.Win.LblName == b.Win.LblName, "LblName");
  check(a.Win.Frame1 == b.Win.Frame1, "Frame1");
  check(a.Win.ImgTable == b.Win.ImgTable, "ImgTable");
  check(a.Win.ImgHand == b.Win.ImgHand, "ImgHand");
  check(a.Win.LstDispEvent == b.Win.LstDispEvent, "LstDispEvent");
  check(a.Win.LstTalk == b.Win.LstTalk, "LstTalk");
  check(a.Win.LblPrompt == b.Win.LblPrompt, "LblPrompt");
  check(a.Win.LblStatusBar == b.Win.LblStatusBar, "LblStatusBar");
  check(a.Win.ImgRGB == b.Win.ImgRGB && a.Win.TurnMarkerRunning == b.Win.TurnMarkerRunning,
        "ImgRGB");
  check(a.Win.CmdSend == b.Win.CmdSend && a.Win.CmdPass == b.Win.CmdPass &&
            a.Win.CmdReturn == b.Win.CmdReturn && a.Win.CmdNotSP == b.Win.CmdNotSP &&
            a.Win.CmdShaoHuLe == b.Win.CmdShaoHuLe && a.Win.CmdHG == b.Win.CmdHG,
        "command buttons");
  check(a.Win.TmrMainCircle == b.Win.TmrMainCircle && a.Win.TmrDelay == b.Win.TmrDelay &&
            a.Win.TmrDispFCP == b.Win.TmrDispFCP && a.Win.TmrPrompt == b.Win.TmrPrompt &&
            a.Win.TmrMedia == b.Win.TmrMedia,
        "timers");
  check(a.Win == b.Win, "Win");
  check(a.Table == b.Table, "Table");
  check(a.Deal == b.Deal, "Deal");
  check(a.Flow == b.Flow, "Flow");
  check(a.Burn == b.Burn, "Burn");
  check(a.Input == b.Input, "Input");
  check(a.Finish == b.Finish, "Finish");
  check(a.Tribute == b.Tribute, "Tribute");
  // The assessment's cache is derived from the hands: a restored game starts without it.
  check(a.Ai.GapBonus == b.Ai.GapBonus && a.Ai.HandInPlay == b.Ai.HandInPlay &&
            a.Ai.KeepHumanChoice == b.Ai.KeepHumanChoice,
        "Ai");
  check(a.Storage == b.Storage, "Storage");
  return differ;
}

}  // namespace zunda::testing

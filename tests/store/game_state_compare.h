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
  check(a.HumanSeat == b.HumanSeat && a.LeadSeat == b.LeadSeat && a.CurrentSeat == b.CurrentSeat &&
            a.FinishOrder == b.FinishOrder && a.PrevFinishOrder == b.PrevFinishOrder &&
            a.FirstHand == b.FirstHand && a.HandStarted == b.HandStarted &&
            a.TripleCapture == b.TripleCapture && a.BigJokerOnTable == b.BigJokerOnTable,
        "the hand's seats and flags");
  check(a.Options == b.Options, "Options");
  check(a.Win == b.Win, "Win");
  // The table display's cache, like the assessment's below, is derived: a restored game
  // starts without it.
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

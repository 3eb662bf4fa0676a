#pragma once

#include <string>

#include "core/cards.h"
#include "core/hand_record.h"

namespace zunda::testing {

// A record with something of every kind a record holds; it does not replay.
inline HandRecord SampleRecord() {
  HandRecord record;
  record.Played = "2026-12-09 02:30";
  record.Practice = true;
  record.Start.FirstHand = false;
  record.Start.FinishOrder = {3, 1, 5, 2, 6, 4};
  record.Start.Places = {2, 4, 1, 6, 3, 5};
  record.Start.TributeCounts = {1, 0, 2, 0, 0, 1};
  record.Start.TripleCapture = true;
  // Whatever a player may type: blanks, the list's own separators, the escape character,
  // Chinese, and bytes that are not text at all.
  record.Start.Names = {"Bob Smith", "a,b c", "100%", "张三", "", std::string("\n\0\xff=", 4)};
  record.Options = RecordedOptions{false, 1, 0.02, 0.25, 1, 5};
  DeckArray deck;
  BuildDeck(deck);
  RecordedDeck recorded{};
  for (int i = 1; i <= kDeckSize; ++i)
    recorded[static_cast<std::size_t>(i - 1)] = static_cast<std::uint8_t>(CodeNumber(deck[i].Code));
  record.Decks = {recorded, recorded};
  PlayRecord set;
  set.BaseRank = 9;
  set.BaseCount = 3;
  set.TwoCount = 1;
  set.SmallJokers = 1;
  set.Total = 5;
  record.Actions = {PlayAction(1, set),
                    SimpleAction(RecordedKind::OfferBurn, 1),
                    AnswerAction(1, false),
                    SimpleAction(RecordedKind::Save, 1),
                    ReturnAction(1, {CardCode("C03"), CardCode("J16")}),
                    SimpleAction(RecordedKind::Pass, 1)};
  for (std::size_t i = 0; i < record.Actions.size(); ++i)
    record.Actions[i].Tick = static_cast<long>(10 * i);
  record.Outcome = RecordedOutcome{87, 0x9f3c2a0e11b4d6c8ULL, {3, 1, 5, 2, 6, 4}};
  return record;
}

}  // namespace zunda::testing

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/cards.h"
#include "core/model.h"

namespace zunda {

struct Game;

// The record of one hand: what was dealt, the options that shape play and every decision of
// the human seat in the order it was applied, each with the tick it came in. The computer
// seats decide from the state alone, so a fresh game that is dealt the same decks and given
// the same decisions at the same ticks plays the same hand (src/app/sim/record_replay.*).
// A record also holds what the hand took over from the hands before it, so that one hand
// replays on its own (src/flow/hand_replay.*).
// Written and read as text by src/store/hand_record_file.* (docs/HAND_RECORD.md).
inline constexpr int kHandRecordVersion = 2;

enum class RecordedKind : std::uint8_t {
  Play,           // a set laid: Cards holds the number of cards of each rank 3..17
  Pass,           // the pass (or fold) button
  OfferBurn,      // a click on the hand that went to the burn question or the pause box
  Answer,         // a Yes (Cards[0] = 1) or No to a question
  DeclineBurn,    // the decline-burn button
  Scorch,         // the scorched button
  Withdraw,       // the take-back button: the raised cards go down
  ReturnTribute,  // the cards given back: Cards holds their numbers in the code table
  Save,           // the hand saved
  Restore,        // the hand restored
};

inline constexpr int kRecordedCards = 16;

struct RecordedAction {
  RecordedKind Kind = RecordedKind::Pass;
  std::uint8_t Seat = 0;
  std::uint8_t Count = 0;  // how many entries of Cards are used
  std::array<std::uint8_t, kRecordedCards> Cards{};
  long Tick = 0;  // g.Flow.TicksThisHand when it was applied
  bool operator==(const RecordedAction&) const = default;
};

// Every card of a deck as its number in the code table (CodeAt).
using RecordedDeck = std::array<std::uint8_t, kDeckSize>;

struct RecordedOptions {
  bool Tribute = true;
  int HumanSeat = 1;
  double DelayShun = 0;
  double DelayZunda = 0;
  double DelayKou = 0;
  double DelayShao = 0;
  bool operator==(const RecordedOptions&) const = default;
};

// What the hand showed, for a replay to be held to: the number of event lines, their FNV-1a
// hash and the finishing order. Filled by whoever keeps the record, not by the engine.
struct RecordedOutcome {
  long EventLines = 0;
  std::uint64_t EventHash = 0;
  std::array<int, kSeats> FinishOrder{};
  bool operator==(const RecordedOutcome&) const = default;
};

// What a hand starts from besides its deck: the previous hand's finishing order (which
// decides the tribute and the leader), each seat's place and tribute count, whether a pass
// folds, and the names the event lines show.
struct RecordedStart {
  bool FirstHand = true;
  std::array<std::uint8_t, kSeats> FinishOrder{};  // by place, 0 for a place nobody took
  std::array<std::uint8_t, kSeats> Places{};       // by seat
  std::array<std::uint8_t, kSeats> TributeCounts{};
  bool TripleCapture = false;
  // A pass still folds as the human's last prompt said, until the human is prompted again.
  bool PassFolds = false;
  std::array<std::string, kSeats> Names;
  bool operator==(const RecordedStart&) const = default;
};

struct HandRecord {
  int Version = kHandRecordVersion;
  // When the hand was dealt, "YYYY-MM-DD HH:MM"; shown in the history.
  std::string Played;
  // A practice hand (branched from a kept hand, or with a play taken back) is not scored.
  bool Practice = false;
  RecordedOptions Options;
  RecordedStart Start;
  std::vector<RecordedDeck> Decks;  // every deck dealt in the hand; the last was accepted
  std::vector<RecordedAction> Actions;
  RecordedOutcome Outcome;
  // Set once the hand has ended and its outcome is complete; not written to files.
  bool Closed = false;
  // Set when a saved hand was loaded into it: the actions before the load are another
  // hand's, so the record no longer replays; not written to files.
  bool Restored = false;
  bool operator==(const HandRecord&) const = default;
};

// A new hand: the record is emptied (its storage kept) and takes the options in force and
// what the hand starts from. Called before the hand's set-up, while the seats still hold
// the previous hand's result.
void BeginHandRecord(Game& g);
// An event line the hand showed, counted into the outcome until the record is closed.
void RecordEventLine(Game& g, std::string_view line);
// The hand has ended: the finishing order goes into the outcome and the record is closed.
void CloseHandRecord(Game& g);
// Puts what a record's hand starts from onto a game before its deal.
void ApplyRecordedStart(Game& g, const RecordedStart& start);
// A deck just shuffled and cut, before it is dealt.
void RecordDeal(Game& g);
// The one entry of the human seat's decisions: stamped with the tick and appended.
void RecordAction(Game& g, RecordedAction action);

// The actions of each kind, built from what the handlers hold.
RecordedAction PlayAction(int seat, const PlayRecord& set);
RecordedAction SimpleAction(RecordedKind kind, int seat);
RecordedAction AnswerAction(int seat, bool yes);
RecordedAction ReturnAction(int seat, const std::vector<CardCode>& codes);

// The deck a record holds, card by card; a number outside the code table is fatal.
void LoadRecordedDeck(const RecordedDeck& recorded, DeckArray& deck);
// The code table number of a card code, or -1 when it is none.
int CodeNumber(const CardCode& code);
// The number of cards of each rank 3..17 in a recorded play.
int RecordedCardsOfRank(const RecordedAction& action, int rank);

}  // namespace zunda

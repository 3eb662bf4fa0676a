#include "core/hand_record.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "core/fnv1a.h"
#include "core/game.h"

namespace zunda {

namespace {

// Room for the actions of a long hand, so that recording allocates once per game, not per
// action.
constexpr std::size_t kActionsReserved = 512;
constexpr std::size_t kDecksReserved = 4;
constexpr int kCodeCount = 54;

}  // namespace

int CodeNumber(const CardCode& code) {
  // The table runs through the suits C, D, H, S with the ranks 3..15 each, then the jokers: the
  // place follows from the code, and the table confirms it. Every card of every deal is
  // numbered for its record, so the place is worked out without a search.
  constexpr int kSuitRanks = kTwo - kLowRank + 1;
  const int rank = code.Rank();
  int k = -1;
  const auto suited = [&](int suit) {
    if (rank >= kLowRank && rank <= kTwo) k = suit * kSuitRanks + rank - kLowRank;
  };
  switch (code.ch[0]) {
    case 'C':
      suited(0);
      break;
    case 'D':
      suited(1);
      break;
    case 'H':
      suited(2);
      break;
    case 'S':
      suited(3);
      break;
    case 'J':
      if (rank == kSmallJoker || rank == kBigJoker) k = 4 * kSuitRanks + rank - kSmallJoker;
      break;
    default:
      break;
  }
  if (k < 0 || k >= kCodeCount) return -1;
  const std::string_view listed = kCardCodeTable.substr(static_cast<std::size_t>(k) * 3, 3);
  return std::equal(listed.begin(), listed.end(), code.ch.begin()) ? k : -1;
}

namespace {

std::string PlayedNow(Game& g) {
  const CalendarDate date = g.host->Today();
  const int minutes = static_cast<int>(std::floor(g.Clock() / 60));
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", date.year, date.month, date.day,
                (minutes / 60) % 24, minutes % 60);
  return text;
}

std::uint8_t Small(int value) {
  return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

}  // namespace

void BeginHandRecord(Game& g) {
  HandRecord& record = g.Record;
  record.Version = kHandRecordVersion;
  record.Played = PlayedNow(g);
  record.Practice = false;
  record.Closed = false;
  record.Restored = false;
  RecordedStart& start = record.Start;
  start.FirstHand = g.FirstHand;
  start.TripleCapture = g.Finish.ResultTripleCapture;
  start.PassFolds = g.Input.PassConfirms;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const auto i = static_cast<std::size_t>(seat - 1);
    start.FinishOrder[i] = Small(g.FinishOrder[seat]);
    start.Places[i] = Small(g.Seats[seat].Place);
    start.TributeCounts[i] = Small(g.Seats[seat].TributeCount);
    start.Names[i] = g.Seats[seat].Name;
  }
  record.Actions.clear();
  record.Actions.reserve(kActionsReserved);
  record.Decks.clear();
  record.Decks.reserve(kDecksReserved);
  record.Outcome = RecordedOutcome{};
  record.Outcome.EventHash = Fnv1a64().Value();
  record.Options = RecordedOptions{g.Options.JinGong,   g.HumanSeat,       g.DelayTimeShunPai,
                                   g.DelayTimeZundaPai, g.DelayTimeKouPai, g.DelayTimeShaoPai};
}

void RecordDeal(Game& g) {
  RecordedDeck deck{};
  for (int i = 1; i <= kDeckSize; ++i) {
    const int k = CodeNumber(g.Deck[i].Code);
    if (k < 0) Fatal("Err:牌码错误(" + std::to_string(i) + ")");
    deck[static_cast<std::size_t>(i - 1)] = static_cast<std::uint8_t>(k);
  }
  g.Record.Decks.push_back(deck);
}

void LoadRecordedDeck(const RecordedDeck& recorded, DeckArray& deck) {
  for (int i = 1; i <= kDeckSize; ++i) {
    const CardCode code = CodeAt(recorded[static_cast<std::size_t>(i - 1)]);
    deck[i] = Card{code, code.Rank()};
  }
}

void ApplyRecordedStart(Game& g, const RecordedStart& start) {
  g.FirstHand = start.FirstHand;
  g.Finish.ResultTripleCapture = start.TripleCapture;
  g.Input.PassConfirms = start.PassFolds;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const auto i = static_cast<std::size_t>(seat - 1);
    const int finisher = start.FinishOrder[i];
    if (finisher > kSeats) Fatal("Err:记录的名次错误(" + std::to_string(finisher) + ")");
    g.FinishOrder[seat] = finisher;
    g.Seats[seat].Place = start.Places[i];
    g.Seats[seat].TributeCount = start.TributeCounts[i];
    if (!start.Names[i].empty()) g.Seats[seat].Name = start.Names[i];
  }
}

void RecordEventLine(Game& g, std::string_view line) {
  RecordedOutcome& outcome = g.Record.Outcome;
  if (g.Record.Closed) return;
  ++outcome.EventLines;
  Fnv1a64 hash(outcome.EventHash);
  hash.Add(line);
  hash.AddByte('\n');
  outcome.EventHash = hash.Value();
}

void CloseHandRecord(Game& g) {
  if (g.Record.Closed) return;
  for (int place = 1; place <= kSeats; ++place)
    g.Record.Outcome.FinishOrder[static_cast<std::size_t>(place - 1)] = g.FinishOrder[place];
  g.Record.Closed = true;
}

void RecordAction(Game& g, RecordedAction action) {
  action.Tick = g.Flow.TicksThisHand;
  g.Record.Actions.push_back(action);
}

RecordedAction SimpleAction(RecordedKind kind, int seat) {
  RecordedAction action;
  action.Kind = kind;
  action.Seat = static_cast<std::uint8_t>(seat);
  return action;
}

RecordedAction AnswerAction(int seat, bool yes) {
  RecordedAction action = SimpleAction(RecordedKind::Answer, seat);
  action.Count = 1;
  action.Cards[0] = yes ? 1 : 0;
  return action;
}

RecordedAction PlayAction(int seat, const PlayRecord& set) {
  RecordedAction action = SimpleAction(RecordedKind::Play, seat);
  action.Count = kBigJoker - kLowRank + 1;
  const auto add = [&](int rank, int count) {
    if (rank < kLowRank || rank > kBigJoker || count <= 0) return;
    std::uint8_t& slot = action.Cards[static_cast<std::size_t>(rank - kLowRank)];
    slot = static_cast<std::uint8_t>(std::min(255, slot + count));
  };
  if (set.BaseRank < kTwo) add(set.BaseRank, set.BaseCount);
  add(kTwo, set.TwoCount);
  add(kSmallJoker, set.SmallJokers);
  add(kBigJoker, set.BigJokers);
  return action;
}

RecordedAction ReturnAction(int seat, const std::vector<CardCode>& codes) {
  RecordedAction action = SimpleAction(RecordedKind::ReturnTribute, seat);
  for (const CardCode& code : codes) {
    const int k = CodeNumber(code);
    if (k < 0 || action.Count >= kRecordedCards) continue;
    action.Cards[action.Count++] = static_cast<std::uint8_t>(k);
  }
  return action;
}

int RecordedCardsOfRank(const RecordedAction& action, int rank) {
  if (action.Kind != RecordedKind::Play || rank < kLowRank || rank > kBigJoker) return 0;
  return action.Cards[static_cast<std::size_t>(rank - kLowRank)];
}

}  // namespace zunda

#pragma once

#include <string>

#include "core/cards.h"
#include "core/checked_array.h"
#include "core/model.h"

namespace zunda {

struct Game;

// One line of the decision log: everything the lead and answer choosers read, taken just
// before a computer seat decides, and the set it chose. The simulator writes one JSON object
// per line so that a strange play can be replayed and explained.

enum class DecisionKind { Lead, Answer };

struct SeatSnapshot {
  Arr<int, kLowRank, kBigJoker> counts;
  int CardCount = 0;
  int SetCount = 0;
  int JokerCount = 0;
  int HandScore = 0;
  bool StrongHand = false;
  bool FinishMode = false;
  bool Finished = false;
  bool Scorched = false;
  bool Passed = false;
  bool Folded = false;
  bool OppositeOut = false;
  char Team = ' ';
  bool operator==(const SeatSnapshot&) const = default;
};

struct PlaySnapshot {
  char Tag = ' ';
  int Seat = 0;
  int Total = 0;
  int BaseRank = 0;
  int BaseCount = 0;
  int TwoCount = 0;
  int SmallJokers = 0;
  int BigJokers = 0;
  bool operator==(const PlaySnapshot&) const = default;
};

// The chosen set; Total 0 is a pass.
struct ChoiceSnapshot {
  int BaseRank = 0;
  int BaseCount = 0;
  int TwoCount = 0;
  int SmallJokers = 0;
  int BigJokers = 0;
  int Total = 0;
  bool operator==(const ChoiceSnapshot&) const = default;
};

struct DecisionSnapshot {
  DecisionKind kind = DecisionKind::Answer;
  int seat = 0;
  Arr<SeatSnapshot, 1, kSeats> seats;
  PlaySnapshot TablePlay;
  PlaySnapshot PrevTablePlay;
  bool FoldInForce = false;
  bool KeepHumanChoice = false;
  bool operator==(const DecisionSnapshot&) const = default;
};

// What the seat is about to decide on. KeepHumanChoice is the turn cycle's flag that keeps
// the human seat's choice for the human; the caller passes it in.
DecisionSnapshot TakeDecisionSnapshot(const Game& g, DecisionKind kind, int seat,
                                      bool keepHumanChoice);

// Where the chooser leaves its set: TablePlay for a lead, Selection for an answer.
const PlayRecord& DecisionChoice(const Game& g, DecisionKind kind);

ChoiceSnapshot ChoiceOf(const PlayRecord& choice);

// The JSON line (without a line break) for the decision taken from `before` to `choice`.
std::string DecisionLogLine(const DecisionSnapshot& before, const PlayRecord& choice);

}  // namespace zunda

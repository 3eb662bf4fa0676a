#pragma once

#include "core/game.h"

namespace zunda {

// A proposed answer before it becomes a play record: its rank and how many cards of each
// kind it brings. Rank 0 is no candidate.
struct AnswerCandidate {
  int Rank = 0;
  int Base = 0;
  int Twos = 0;
  int Small = 0;
  int Big = 0;

  bool Empty() const { return Rank == 0; }
  int Total() const { return Base + Twos + Small + Big; }
};

inline int HeldCount(const Game& g, int seat, int rank) {
  return g.Hand[seat][rank].Count;
}

// The cards an answer must bring besides the big jokers that meet the table's small jokers.
inline int AnswerNeed(const PlayRecord& table) {
  return table.Total - table.SmallJokers;
}

// The table play was laid by the seat's partner (not by the seat itself).
bool IsPartnerPlay(int seat, const PlayRecord& table);

// The answer is a well-formed record (its counts add up, its base rank is its lowest card),
// answers the table play by the answer rule (Answers) and uses only cards the seat holds.
bool IsLegalAnswer(const Game& g, int seat, const PlayRecord& answer);

// Writes the candidate into g.Selection with the seat's card codes (the last cards of each
// bucket, which are the ones the play executor takes out), its Seat, Tag and Total, then
// checks the card totals. A candidate that would not be a legal answer leaves Selection
// empty: the seat passes rather than lay a set the rules refuse.
void BuildAnswer(Game& g, int seat, const AnswerCandidate& candidate);

}  // namespace zunda

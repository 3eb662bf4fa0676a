#pragma once

#include "core/model.h"

namespace zunda {

struct Game;

// What the computer seats know about the table. They read every seat's buckets directly (the
// human's too): there is no card memory and no guessing. All queries read the live buckets.

// Lowest rank 3..17 the seat holds; 18 when it holds nothing.
int LowestRank(const Game& g, int seat);
// The next rank above the lowest that the seat holds; 18 when there is none.
int SecondLowestRank(const Game& g, int seat);
// The seat's whole bucket of an ordinary rank, laid on its own, is a Zunda play.
bool IsZundaBucket(const Game& g, int seat, int rank);
// Ranks 3..14 whose whole bucket, without wildcards, is a Zunda play.
int CountZundaSets(const Game& g, int seat);
// Ranks 3..14 held whose whole bucket is not a Zunda play: the sets that still need an escort.
int CountPlainSets(const Game& g, int seat);

// The first seat after `seat` on its team that has not finished (the seat itself when both
// partners are out).
int NextActiveTeammate(const Game& g, int seat);
// Exactly one opponent of the seat is still in play.
bool OneOpponentLeft(const Game& g, int seat);
// `other` is an opponent of the seat and every other opponent is out.
bool IsLastOpponent(const Game& g, int seat, int other);

// Strength of the seat's hand: high cards, Zunda buckets and ranks already got rid of raise
// it, and a hand of one or two sets with big jokers to escort them scores far above the rest.
// Refills g.Ai.GapBonus and yields to the window once per rank.
int ScoreHand(Game& g, int seat);
// At least four seats (the seat itself included) score below the seat's score plus 80.
bool IsStrongHand(const Game& g, int seat);
// The seat is in play and at most one of its sets would still need an escort.
bool IsNearFinish(const Game& g, int seat);
// Brings HandScore, StrongHand and FinishMode of seats 1..6 up to date, in seat order.
void AssessSeats(Game& g);
// The first seat whose figures the assessment keeps are marked current for its hand but
// differ from a fresh count of that hand, or 0. Not 0 means a hand changed without its
// change number rising.
int SeatWithStaleFigures(const Game& g);

// The play was laid by the seat's team and is big: a Zunda play or six cards or more.
bool IsOwnTeamBigPlay(const Game& g, int seat, const PlayRecord& play);
// About the seat that laid the table play: it is down to one low set with nothing to
// escort it, so an answer with wildcards keeps it from going out.
bool IsWeakFinisher(const Game& g, int seat);

// While a hand is played, every card is either in a hand or already laid: 216 in all, and no
// bucket below zero. A broken count is fatal.
void CheckCardTotals(Game& g);

}  // namespace zunda

#pragma once

#include "core/model.h"
#include "players/answer_candidate.h"

namespace zunda {

struct Game;

// A computer seat's answer to the set on the table (g.TablePlay). The answer is left in
// g.Selection with the seat's own card codes; an empty Selection (Total 0) is a pass. Every
// answer built here beats the table play by the play rules; nothing here allocates.

// The seat's turn to answer: a partner's big play is never beaten and a finished player's
// big play is left to the seat behind it; an opponent about to go out is met at once with
// wildcards; otherwise one of the three followers below, by how close the seat is to going
// out and how hard the table has to be fought.
void ChooseAnswer(Game& g, int seat);

// Answers only with a whole set of exactly the size needed; never splits or completes one.
void FollowExact(Game& g, int seat);
// FollowExact first; failing that, a strong hand completes a set with a two or a joker,
// splits a bigger set, or, down to its last set, throws its top cards.
void FollowFight(Game& g, int seat);
// For a seat that can run out: prefers a set completed with wildcards, or wildcards alone,
// to what FollowFight would lay, as long as enough jokers stay back to finish.
void FollowToFinish(Game& g, int seat);

// Twos or jokers alone of the lowest rank above the table that the seat holds enough of.
AnswerCandidate WildAnswer(Game& g, int seat);
// Some cards of a bigger set (need cards of a rank of which the seat holds more), for a strong
// hand only.
AnswerCandidate SplitSearch(Game& g, int seat);
// Builds in Selection an answer that makes up the table's size with the seat's twos and
// jokers; true when it built one.
bool JokerAnswer(Game& g, int seat);

// The seat should keep its cards of `rank` rather than answer the table play with them.
bool HoldBack(Game& g, int seat, int rank, const PlayRecord& table);
// The seat about to act should leave the table play alone: a finished player's big play
// that the seat's team takes over anyway, or a play whose seat is out and that everyone else
// has let pass, with the lead coming to the seat's team.
bool LeaveTablePlay(Game& g, int seat, const PlayRecord& table);
// The partner-passed test: the table play is the partner's and every opponent still in play
// has passed on it.
bool PartnerPassed(const Game& g, int seat);

}  // namespace zunda

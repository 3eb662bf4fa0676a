#pragma once

#include <functional>

#include "core/model.h"

namespace zunda {

struct Game;

// The sets the autopilot lays for the human seat. It asks the computer choosers as if the
// human seat were one of theirs and adds what only the human's rules demand: a burner must
// play a joker or all its cards, and a burn is never followed by a pass while an answer exists.

// The lead ChooseLead picks for the seat, adapted to the joker obligation. Total 0 when the
// obligation leaves no lead at all (the seat is scorched and should say so). The game is left
// as it was.
PlayRecord AutopilotLead(Game& g, int seat);
// The answer ChooseAnswer picks for the seat (Total 0 for a pass), adapted as above.
PlayRecord AutopilotAnswer(Game& g, int seat);

// The human's raised cards must contain a joker or be every card in hand.
bool JokerObligationBinds(const Game& g, int seat);
// The set may be laid by the seat over the table play by the rules of the human's hand: as
// many cards, a higher rank, a big joker for every small joker on the table, and for a set of
// twos or small jokers on the table only jokers. A lead (empty table) takes any set held.
bool IsLegalHumanPlay(const Game& g, int seat, const PlayRecord& set);
// The lowest set that answers the table play from the seat's hand, with as few wildcards as
// possible (twos before small jokers before big jokers); withJoker asks for at least one joker
// unless the set empties the hand. Total 0 when there is none.
PlayRecord LowestLegalAnswer(const Game& g, int seat, bool withJoker);
// Every set that answers the table play from the seat's hand under the same rules, in the order
// LowestLegalAnswer tries them: by rank, lowest first, and within a rank with as few
// wildcards as possible. `visit` returns false to stop.
void ForEachLegalAnswer(const Game& g, int seat, bool withJoker,
                        const std::function<bool(const PlayRecord&)>& visit);

// Cards of each rank a set holds: base cards under their rank, twos under 15, jokers under 16
// and 17.
int CardsOfRank(const PlayRecord& set, int rank);

}  // namespace zunda

#pragma once

#include <vector>

#include "core/model.h"

namespace zunda {

struct Game;

// The hint: while the turn cycle waits for the human seat to lead or answer, it raises in the
// human's hand a set the seat may lay. The first press shows what the computer choosers would
// play for the seat (the autopilot's choice); every further press in the same turn shows the
// next of the other sets, lowest first, and then starts again. It only raises cards, through
// the same clicks a person makes; it never plays.

// The turn cycle waits for the human seat to lead or to answer.
bool HintAvailable(const Game& g);

// The sets of the cycle, in order: first the choosers' choice (an empty set when they would
// pass, or lead nothing), then every other set the seat may lay: when answering, each answer
// to the table play by rank, lowest first, with as few wildcards as possible; when leading, each
// rank's whole set held, lowest first. Asking changes nothing in the game.
std::vector<PlayRecord> HintSets(Game& g);

enum class HintShown {
  Nothing,  // no hint now
  Set,      // a set stands raised
  Pass,     // the choosers would pass: nothing raised, the prompt says so
  NoLead,   // a burner with nothing it may lead: the prompt points to the scorched button
};
// One press of the hint: the next set of the cycle, raised.
HintShown ShowHint(Game& g);

inline constexpr const char* kHintPassPrompt = " 提示：这手牌可以不要 ";
inline constexpr const char* kHintNoLeadPrompt = " 提示：已无牌可出，请按“烧糊了” ";

// The same cards, rank for rank.
bool SameCards(const PlayRecord& a, const PlayRecord& b);

}  // namespace zunda

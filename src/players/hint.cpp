#include "players/hint.h"

#include <string>

#include "core/display.h"
#include "core/game.h"
#include "core/seats.h"
#include "players/autopilot.h"
#include "players/autopilot_choice.h"
#include "rules/hand_display.h"
#include "rules/human_input.h"

namespace zunda {

namespace {

bool IsLead(const Game& g) {
  return Autopilot::TaskFor(g) == AutopilotTask::Lead;
}

PlayRecord WholeRank(const Game& g, int seat, int rank) {
  const int held = g.Hand[seat][rank].Count;
  PlayRecord set;
  set.Seat = seat;
  set.Tag = TeamLetter(seat);
  set.BaseRank = rank;
  if (rank < kTwo) set.BaseCount = held;
  if (rank == kTwo) set.TwoCount = held;
  if (rank == kSmallJoker) set.SmallJokers = held;
  if (rank == kBigJoker) set.BigJokers = held;
  set.Total = held;
  return set;
}

// Each rank's whole set, lowest first; a burner's set takes a joker along (the small one
// first) unless it has one or empties the hand, and is left out when no joker is left to add.
std::vector<PlayRecord> Leads(const Game& g, int seat) {
  const bool bound = JokerObligationBinds(g, seat);
  const int cards = g.Seats[seat].CardCount;
  std::vector<PlayRecord> leads;
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    if (g.Hand[seat][rank].Count == 0) continue;
    PlayRecord set = WholeRank(g, seat, rank);
    if (bound && set.SmallJokers + set.BigJokers == 0 && set.Total < cards) {
      if (g.Hand[seat][kSmallJoker].Count > 0) {
        ++set.SmallJokers;
      } else if (g.Hand[seat][kBigJoker].Count > 0) {
        ++set.BigJokers;
      } else {
        continue;
      }
      ++set.Total;
    }
    if (IsLegalHumanPlay(g, seat, set)) leads.push_back(set);
  }
  return leads;
}

// What identifies one turn of the human: a new table play, a lead, or a hand that changed starts
// the cycle again.
std::string TurnKey(const Game& g) {
  const PlayRecord& t = g.TablePlay;
  const int human = g.HumanSeat;
  std::string key = g.Flow.LeadMode ? "L" : "A";
  for (int value : {t.Seat, t.Total, t.BaseRank, t.BaseCount, t.TwoCount, t.SmallJokers,
                    t.BigJokers, g.Seats[human].CardCount, g.Seats[human].Burned ? 1 : 0})
    key += ' ' + std::to_string(value);
  return key;
}

}  // namespace

bool SameCards(const PlayRecord& a, const PlayRecord& b) {
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    if (CardsOfRank(a, rank) != CardsOfRank(b, rank)) return false;
  }
  return true;
}

bool HintAvailable(const Game& g) {
  const AutopilotTask task = Autopilot::TaskFor(g);
  return task == AutopilotTask::Lead || task == AutopilotTask::Answer;
}

std::vector<PlayRecord> HintSets(Game& g) {
  std::vector<PlayRecord> sets;
  if (!HintAvailable(g)) return sets;
  const int human = g.HumanSeat;
  const bool lead = IsLead(g);
  const PlayRecord choice = lead ? AutopilotLead(g, human) : AutopilotAnswer(g, human);
  sets.push_back(choice);
  const auto add = [&](const PlayRecord& set) {
    if (!SameCards(set, choice)) sets.push_back(set);
    return true;
  };
  if (lead) {
    for (const PlayRecord& set : Leads(g, human))
      add(set);
  } else {
    ForEachLegalAnswer(g, human, JokerObligationBinds(g, human), add);
  }
  return sets;
}

HintShown ShowHint(Game& g) {
  HintShown shown = HintShown::Nothing;
  g.Guard([&] {
    if (!HintAvailable(g)) return;
    const std::string key = TurnKey(g);
    if (key != g.Extras.HintTurn) {
      g.Extras.HintTurn = key;
      g.Extras.HintNext = 0;
    }
    const std::vector<PlayRecord> sets = HintSets(g);
    const int count = static_cast<int>(sets.size());
    // A set the clicks cannot raise is passed over, so a press always shows something.
    for (int tried = 0; tried < count && !g.Stopped; ++tried) {
      const int index = g.Extras.HintNext % count;
      g.Extras.HintNext = (index + 1) % count;
      const PlayRecord& set = sets[static_cast<std::size_t>(index)];
      if (set.Total == 0) {
        if (AnyHandSlotRaised(g)) CmdReturnClick(g);
        ShowPrompt(g, IsLead(g) ? kHintNoLeadPrompt : kHintPassPrompt);
        shown = IsLead(g) ? HintShown::NoLead : HintShown::Pass;
        return;
      }
      if (RaiseSetByClicks(g, set)) {
        shown = HintShown::Set;
        return;
      }
      if (AnyHandSlotRaised(g)) CmdReturnClick(g);
    }
  });
  return shown;
}

}  // namespace zunda

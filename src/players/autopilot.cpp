#include "players/autopilot.h"

#include <string>
#include <string_view>
#include <vector>

#include "core/game.h"
#include "players/autopilot_choice.h"
#include "rules/burning.h"
#include "rules/hand_display.h"
#include "rules/human_input.h"
#include "rules/tribute.h"

namespace zunda {

namespace {

constexpr std::string_view kHandlersRefused = "the handlers refused ";

// The handlers handed the turn back to the turn cycle.
bool TurnHandedBack(const Game& g) {
  return g.Win.TmrMainCircle.Enabled && !g.Flow.WaitHuman;
}

// The return-tribute choice of the seat as a computer receiver would make it; the slots it
// fills (its own and its payer's) are put back afterwards.
std::vector<CardCode> ComputerReturnChoice(Game& g, int seat) {
  const int payer = TributePartner(g, seat);
  const auto ownSlots = g.Seats[seat].ReturnSlots;
  const auto payerSlots = payer != 0 ? g.Seats[payer].ReturnSlots : ownSlots;
  ChooseReturnCards(g, seat);
  std::vector<CardCode> codes;
  for (int j = 1; j <= g.Seats[seat].TributeCount && j <= 10; ++j) {
    const Card& card = g.Seats[seat].ReturnSlots[j];
    if (!card.Code.IsBlank()) codes.push_back(card.Code);
  }
  g.Seats[seat].ReturnSlots = ownSlots;
  if (payer != 0) g.Seats[payer].ReturnSlots = payerSlots;
  return codes;
}

int RaisedCount(const Game& g) {
  int count = 0;
  for (int slot = 1; slot <= kHandSlots; ++slot)
    count += HandSlotRaised(g, slot) && HandSlotHoldsCard(g, slot) ? 1 : 0;
  return count;
}

}  // namespace

AutopilotTask Autopilot::TaskFor(const Game& g) {
  // Posted actions not yet applied may hand the turn back: nothing to do until they are.
  if (g.Stopped || g.Win.TmrMainCircle.Enabled || !g.Posted.empty()) return AutopilotTask::None;
  if (ReturnChoiceOpen(g)) return AutopilotTask::ReturnTribute;
  if (!HumanAwaited(g)) return AutopilotTask::None;
  return g.Flow.LeadMode ? AutopilotTask::Lead : AutopilotTask::Answer;
}

AutopilotOutcome Autopilot::Act(Game& g) {
  AutopilotOutcome outcome;
  // The choosers run outside any handler: a fatal error in them stops the game the same way.
  g.Guard([&] {
    switch (TaskFor(g)) {
      case AutopilotTask::Lead:
        outcome = Lead(g);
        break;
      case AutopilotTask::Answer:
        outcome = Answer(g);
        break;
      case AutopilotTask::ReturnTribute:
        outcome = ReturnTribute(g);
        break;
      case AutopilotTask::None:
        break;
    }
  });
  return outcome;
}

void Autopilot::Applied(const Game& g, AutopilotOutcome& outcome) {
  if (outcome.playPosted) outcome.laid = g.Flow.HumanCommitted && TurnHandedBack(g);
  if (!outcome.fault.empty() || outcome.unlessHandedBack.empty()) return;
  if (TurnHandedBack(g)) return;
  outcome.fault = outcome.unlessHandedBack;
  if (outcome.unlessHandedBackSet) outcome.fault += DescribeSet(*outcome.unlessHandedBackSet);
}

void Autopilot::DuringWait(Game& g) {
  if (g.Stopped || !g.Win.CmdNotSP.Visible) return;
  if (clickedWaitEnd_ == g.Flow.DelayEnd) {
    DeclineBurn(g);
    return;
  }
  clickedWaitEnd_ = g.Flow.DelayEnd;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (HandSlotHoldsCard(g, slot)) {
      ImgHandMouseUp(g, slot, MouseButton::Left, 0);
      return;
    }
  }
  DeclineBurn(g);
}

AutopilotOutcome Autopilot::Lead(Game& g) {
  const PlayRecord lead = AutopilotLead(g, g.HumanSeat);
  if (lead.Total > 0) return Lay(g, lead);
  // A burner with neither a joker nor a single set left is scorched and says so.
  AutopilotOutcome outcome;
  outcome.acted = true;
  CmdShaoHuLeClick(g);
  outcome.unlessHandedBack = "the scorched button did not hand the turn back";
  return outcome;
}

AutopilotOutcome Autopilot::Answer(Game& g) {
  const PlayRecord answer = AutopilotAnswer(g, g.HumanSeat);
  if (answer.Total > 0) return Lay(g, answer);
  AutopilotOutcome outcome;
  outcome.acted = true;
  CmdPassClick(g);
  outcome.unlessHandedBack = "the pass button did not hand the turn back";
  return outcome;
}

AutopilotOutcome Autopilot::Lay(Game& g, const PlayRecord& set) {
  const int human = g.HumanSeat;
  const bool leading = g.Flow.LeadMode;
  AutopilotOutcome outcome;
  outcome.acted = true;
  if (!IsLegalHumanPlay(g, human, set)) {
    outcome.fault = "the choosers picked " + DescribeSet(set) + ", which the human may not lay";
  } else if (!RaiseSetByClicks(g, set)) {
    outcome.fault = "the clicks could not raise " + DescribeSet(set);
  } else if (!g.Win.CmdSend.Visible) {
    outcome.fault = "the play button stayed hidden for " + DescribeSet(set);
  } else {
    if (++laid_ % 2 == 0) {
      CmdSendClick(g);
    } else {
      // A second left click on a raised card plays the raised cards.
      for (int slot = 1; slot <= kHandSlots; ++slot) {
        if (HandSlotRaised(g, slot)) {
          ImgHandMouseUp(g, slot, MouseButton::Left, 0);
          break;
        }
      }
    }
    outcome.playPosted = !g.Posted.empty() && g.Posted.back().Kind == ActionKind::Play;
    if (outcome.playPosted) {
      outcome.unlessHandedBack = kHandlersRefused;
      outcome.unlessHandedBackSet = set;
    } else if (!g.Stopped) {
      outcome.fault = std::string(kHandlersRefused) + DescribeSet(set);
    }
  }
  if (outcome.playPosted || g.Stopped) return outcome;

  // Refused: put the cards back and go on as a person would, with a pass or the lowest set.
  if (AnyHandSlotRaised(g)) CmdReturnClick(g);
  if (!leading) {
    CmdPassClick(g);
  } else {
    for (int slot = kHandSlots; slot >= 1; --slot) {
      if (!HandSlotHoldsCard(g, slot)) continue;
      ImgHandMouseUp(g, slot, MouseButton::Left, 0);
      if (g.Win.CmdSend.Visible) CmdSendClick(g);
      break;
    }
  }
  return outcome;
}

AutopilotOutcome Autopilot::ReturnTribute(Game& g) {
  const int human = g.HumanSeat;
  const int wanted = g.Seats[human].TributeCount;
  AutopilotOutcome outcome;
  outcome.acted = true;
  for (const CardCode& code : ComputerReturnChoice(g, human)) {
    const int slot = LoweredSlotWith(g, code);
    if (slot != 0) ImgHandMouseUp(g, slot, MouseButton::Left, 0);
  }
  // Short of low singles and pairs, the lowest cards make up the number.
  for (int slot = kHandSlots; slot >= 1 && RaisedCount(g) < wanted; --slot) {
    if (HandSlotHoldsCard(g, slot) && !HandSlotRaised(g, slot))
      ImgHandMouseUp(g, slot, MouseButton::Left, 0);
  }
  if (!g.Win.CmdHG.Visible) {
    outcome.fault = "the return-tribute button stayed hidden with " +
                    std::to_string(RaisedCount(g)) + " of " + std::to_string(wanted) + " raised";
    return outcome;
  }
  CmdHGClick(g);
  outcome.unlessHandedBack = "the return-tribute button did not hand the turn back";
  return outcome;
}

}  // namespace zunda

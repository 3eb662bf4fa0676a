#include "decision_dump.h"

#include <ostream>

#include "core/fatal.h"
#include "core/game.h"

namespace zunda::sim {

void DecisionDump::BeforeDecision(const Game& g, DecisionKind kind, int seat) {
  before_ = TakeDecisionSnapshot(g, kind, seat, g.Ai.KeepHumanChoice);
}

void DecisionDump::AfterDecision(const Game& g, DecisionKind kind, int seat) {
  // A line whose snapshot belongs to another decision would mislead whoever reads the log.
  if (before_.kind != kind || before_.seat != seat) Fatal("Err:decision log out of step");
  out_ << DecisionLogLine(before_, DecisionChoice(g, kind)) << '\n';
  ++lines_;
}

}  // namespace zunda::sim

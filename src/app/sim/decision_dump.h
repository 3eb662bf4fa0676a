#pragma once

#include <iosfwd>

#include "players/decision_log.h"
#include "players/decision_observer.h"

namespace zunda::sim {

// The decision log of --dump: one DecisionLogLine per decision, each ended by a line break.
// The snapshot is taken when the seat is about to choose and written once it has chosen.
class DecisionDump final : public DecisionObserver {
 public:
  explicit DecisionDump(std::ostream& out) : out_(out) {}

  void BeforeDecision(const Game& g, DecisionKind kind, int seat) override;
  void AfterDecision(const Game& g, DecisionKind kind, int seat) override;

  long long Lines() const { return lines_; }

 private:
  std::ostream& out_;
  DecisionSnapshot before_;
  long long lines_ = 0;
};

}  // namespace zunda::sim

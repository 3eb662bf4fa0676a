#pragma once

#include "players/decision_log.h"

namespace zunda {

struct Game;

// Watches the computer seats decide in the turn cycle: called just before a seat chooses its
// lead or answer, and just after, when the choice lies where DecisionChoice finds it. The
// simulator's decision log is one; the program runs without any.
class DecisionObserver {
 public:
  virtual void BeforeDecision(const Game& g, DecisionKind kind, int seat) = 0;
  virtual void AfterDecision(const Game& g, DecisionKind kind, int seat) = 0;

 protected:
  ~DecisionObserver() = default;
};

}  // namespace zunda

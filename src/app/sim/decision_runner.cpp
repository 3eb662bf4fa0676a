#include "decision_runner.h"

#include <chrono>
#include <optional>
#include <ostream>
#include <string>

#include "choice_checks.h"
#include "core/fatal.h"
#include "core/game.h"
#include "core/rng.h"
#include "core/scripted_host.h"
#include "core/startup_defaults.h"
#include "decision_dump.h"
#include "players/answer_choice.h"
#include "players/execute_play.h"
#include "players/hand_analysis.h"
#include "players/lead_choice.h"
#include "random_answer_position.h"
#include "random_lead_position.h"

namespace zunda::sim {

namespace {

constexpr long long kViolationsShown = 20;

class DecisionRunner {
 public:
  DecisionRunner(const SimOptions& options, std::ostream& report, std::ostream* dump)
      : host_(options.seed), positions_(options.seed), report_(report) {
    if (dump != nullptr) dump_.emplace(*dump);
  }

  // Deals position `number`, lets its seat decide and carries the choice out.
  void Decide(long long number) {
    kind_ = positions_.Next() % 2 == 0 ? DecisionKind::Lead : DecisionKind::Answer;
    number_ = number;
    seat_ = 0;
    try {
      Game& g = Deal();
      if (dump_) dump_->BeforeDecision(g, kind_, seat_);
      if (kind_ == DecisionKind::Lead) {
        ChooseLead(g, seat_);
      } else {
        ChooseAnswer(g, seat_);
      }
      if (dump_) dump_->AfterDecision(g, kind_, seat_);
      Carry(g);
      CheckTotals(g);
    } catch (const FatalError& error) {
      Violation(std::string("fatal error: ") + error.what());
    }
    ++summary_.hands;
    host_.ClearMessages();
  }

  SimSummary Finish(double seconds) {
    summary_.seconds = seconds;
    if (summary_.violations > kViolationsShown) {
      report_ << "... " << summary_.violations - kViolationsShown << " more\n";
    }
    return summary_;
  }

 private:
  // A fresh game for every position, so that nothing of one decision leaks into the next.
  // An answer position is dealt again until a computer seat is the one to answer.
  Game& Deal() {
    game_.emplace(host_);
    Game& g = *game_;
    SetStartupDefaults(g);
    if (kind_ == DecisionKind::Lead) {
      seat_ = DealRandomLeadPosition(g, positions_.Next());
      return g;
    }
    while ((seat_ = DealRandomAnswerPosition(g, positions_.Next())) == g.HumanSeat) {
      game_.emplace(host_);
      SetStartupDefaults(*game_);
    }
    return *game_;
  }

  // Lays a legal choice as the turn cycle would; an illegal one is reported and not laid.
  void Carry(Game& g) {
    if (kind_ == DecisionKind::Lead) {
      if (const std::string fault = LeadFault(g, seat_); !fault.empty()) {
        Violation(fault);
        return;
      }
    } else {
      if (g.Selection.Total == 0) return;  // a pass
      if (const std::string fault = AnswerFault(g, seat_); !fault.empty()) {
        Violation(fault);
        return;
      }
      g.PrevTablePlay = g.TablePlay;
      g.TablePlay = g.Selection;
    }
    ExecutePlay(g, seat_);
    ++summary_.plays;
  }

  void CheckTotals(Game& g) {
    try {
      CheckCardTotals(g);
    } catch (const FatalError& error) {
      Violation(std::string("the card totals do not add up: ") + error.what());
    }
  }

  void Violation(const std::string& text) {
    if (summary_.violations < kViolationsShown) {
      report_ << "decision " << number_ << " (" << (kind_ == DecisionKind::Lead ? "lead" : "answer")
              << " of seat " << seat_ << "): " << text << '\n';
    }
    ++summary_.violations;
  }

  ScriptedHost host_;
  Rng positions_;
  std::ostream& report_;
  std::optional<DecisionDump> dump_;
  std::optional<Game> game_;
  SimSummary summary_;
  DecisionKind kind_ = DecisionKind::Lead;
  long long number_ = 0;
  int seat_ = 0;
};

}  // namespace

SimSummary RunDecisions(const SimOptions& options, std::ostream& report, std::ostream* dump) {
  DecisionRunner runner(options, report, dump);
  const auto start = std::chrono::steady_clock::now();
  for (long long number = 1; number <= options.decisions; ++number)
    runner.Decide(number);
  return runner.Finish(
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

}  // namespace zunda::sim

#include "hand_runner.h"

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/startup_defaults.h"
#include "flow/turn_cycle.h"
#include "play_invariants.h"
#include "players/autopilot.h"
#include "sim_host.h"

namespace zunda::sim {

namespace {

constexpr long long kViolationsShown = 20;
// No hand comes near this many ticks; a round that asks the same seats for ever does.
constexpr long kMostTicksPerHand = 20000;

int CardsPlayed(const Game& g) {
  int played = 0;
  for (int rank = kLowRank; rank <= kBigJoker; ++rank)
    played += g.PlayedByRank[rank];
  return played;
}

class HandRunner {
 public:
  HandRunner(const SimOptions& options, std::ostream& report, std::ostream* events)
      : options_(options),
        report_(report),
        events_(events),
        host_(options.seed, options.burnRate),
        game_(host_) {
    SetStartupDefaults(game_);
    host_.OnDoEvents([this] { pilot_.DuringWait(game_); });
  }

  SimSummary Run() {
    const auto start = std::chrono::steady_clock::now();
    MnuZundaRunClick(game_);
    while (summary_.hands < options_.hands && !game_.Stopped)
      Step();
    DrainEvents();
    for (const std::string& text : host_.FatalMessages()) {
      // A fatal error ends the run; its text is shown however many violations came before.
      if (summary_.violations >= kViolationsShown) report_ << "fatal error: " << text << '\n';
      Violation("fatal error: " + text);
    }
    summary_.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    report_ << "burn questions " << host_.BurnQuestions() << ", burns " << burns_ << ", scorched "
            << scorched_ << ", triple captures " << captures_ << '\n';
    if (summary_.violations > kViolationsShown) {
      report_ << "... " << summary_.violations - kViolationsShown << " more\n";
    }
    return summary_;
  }

 private:
  void Step() {
    Game& g = game_;
    Timer& timer = g.Win.TmrMainCircle;
    if (timer.Enabled) {
      host_.SleepMs(timer.Interval);
      const bool handEnds = g.MainCourse == "111_3";
      if (handEnds && options_.check) Check([&](auto& out) { checker_.AtHandEnd(g, out); });
      const int playedBefore = CardsPlayed(g);
      TmrMainCircleTimer(g);
      if (CardsPlayed(g) > playedBefore) ++summary_.plays;
      AfterStep();
      idleActs_ = 0;
      if (handEnds) {
        EndOfHand();
      } else if (++ticksThisHand_ > kMostTicksPerHand) {
        Violation("the hand ran " + std::to_string(kMostTicksPerHand) + " ticks in state " +
                  g.MainCourse + " without ending");
        EndOfHand();
        MnuZundaRunClick(g);
      }
      return;
    }
    const AutopilotOutcome outcome = pilot_.Act(g);
    if (!outcome.fault.empty()) Violation(outcome.fault);
    AfterStep();
    if (outcome.acted && ++idleActs_ < 3) return;
    if (g.Stopped) return;
    // Nothing armed the timer and nobody is waited for: the game would hang here.
    Violation("the turn cycle stopped in state " + g.MainCourse + " with nothing to wait for");
    EndOfHand();
    MnuZundaRunClick(g);
  }

  void AfterStep() {
    DrainEvents();
    if (options_.check) Check([&](auto& out) { checker_.AfterStep(game_, out); });
  }

  void EndOfHand() {
    ++summary_.hands;
    ticksThisHand_ = 0;
    host_.ClearMessages();
  }

  template <typename CheckFn>
  void Check(CheckFn&& check) {
    found_.clear();
    check(found_);
    for (const std::string& text : found_)
      Violation(text);
  }

  // The event list is the window's; the simulator empties it as it goes so that a long run
  // keeps no more than one step's lines.
  void DrainEvents() {
    ListBox& list = game_.Win.LstDispEvent;
    for (const std::string& line : list.Items) {
      if (events_ != nullptr) *events_ << line << '\n';
      CountEvent(line);
    }
    list.Clear();
  }

  void CountEvent(const std::string& line) {
    if (line.size() < 6) return;
    if (line.ends_with("确认烧牌!")) ++burns_;
    if (line.find("烧糊了!被判为") != std::string::npos) ++scorched_;
    if (line.ends_with(": 抓三户")) ++captures_;
  }

  void Violation(const std::string& text) {
    if (summary_.violations < kViolationsShown) {
      report_ << "hand " << summary_.hands + 1 << ": " << text << '\n';
    }
    ++summary_.violations;
  }

  const SimOptions& options_;
  std::ostream& report_;
  std::ostream* events_;
  SimHost host_;
  Game game_;
  Autopilot pilot_;
  PlayChecker checker_;
  SimSummary summary_;
  std::vector<std::string> found_;
  long long burns_ = 0;
  long long scorched_ = 0;
  long long captures_ = 0;
  long ticksThisHand_ = 0;
  int idleActs_ = 0;
};

}  // namespace

SimSummary RunHands(const SimOptions& options, std::ostream& report, std::ostream* events) {
  HandRunner runner(options, report, events);
  return runner.Run();
}

}  // namespace zunda::sim

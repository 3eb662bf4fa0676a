#include "hand_runner.h"

#include <chrono>
#include <ostream>
#include <string_view>

#include "core/startup_defaults.h"
#include "flow/apply_action.h"
#include "flow/turn_cycle.h"
#include "store/hand_record_file.h"

namespace zunda::sim {

namespace {

constexpr long long kViolationsShown = 20;
// No hand comes near this many ticks; a round that asks the same seats for ever does.
constexpr long kMostTicksPerHand = 20000;

int CardsPlayed(const Game& g) {
  int played = 0;
  for (const int count : g.PlayedByRank)
    played += count;
  return played;
}

double SecondsNow() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

HandRunner::HandRunner(const SimOptions& options, std::ostream& report, std::ostream* events,
                       std::ostream* decisions)
    : options_(options),
      report_(report),
      events_(events),
      host_(options.seed, options.burnRate),
      game_(host_) {
  SetStartupDefaults(game_);
  if (decisions != nullptr) game_.Decisions = &decisions_.emplace(*decisions);
  // Called at the engine's yields while a burn wait shows its decline button; at every other
  // yield the host is idle, which lets the engine skip the yields of its tight loops.
  host_.OnDoEvents([this] { pilot_.DuringWait(game_); }, &game_.Win.CmdNotSP.Visible);
  SetUpFiles();
  keepRecords_ = !options.recordPath.empty();
}

bool HandRunner::PlayHand() {
  if (!started_) {
    started_ = true;
    startedAt_ = SecondsNow();
    MnuZundaRunClick(game_);
    RunPostedActions(game_);
  }
  playedKnown_ = false;
  if (saveRestore_ && saveRestore_->StartHand()) {
    Rehearse();
    playedKnown_ = false;
  }
  const long long hands = summary_.hands;
  while (summary_.hands == hands && !game_.Stopped) {
    if (saveRestore_) {
      ViolationIf(saveRestore_->BeforeStep(game_));
      playedKnown_ = false;
    }
    Step();
  }
  return !game_.Stopped;
}

SimSummary HandRunner::Finish() {
  DrainEvents();
  for (const std::string& text : host_.FatalMessages()) {
    // A fatal error ends the run; its text is shown however many violations came before.
    if (summary_.violations >= kViolationsShown) report_ << "fatal error: " << text << '\n';
    Violation("fatal error: " + text);
  }
  if (started_) summary_.seconds = SecondsNow() - startedAt_;
  report_ << "burn questions " << host_.BurnQuestions() << ", burns " << burns_ << ", scorched "
          << scorched_ << ", triple captures " << captures_ << '\n';
  if (saveRestore_) {
    report_ << "saved and restored at " << saveRestore_->PointsTaken() << " points\n";
  }
  if (summary_.violations > kViolationsShown) {
    report_ << "... " << summary_.violations - kViolationsShown << " more\n";
  }
  return summary_;
}

// Runs after every step: inline, and the event list is only drained when it holds lines.
inline void HandRunner::AfterStep() {
  if (!game_.Win.LstDispEvent.Items.empty()) DrainEvents();
  if (afterStep_) afterStep_(game_);
  if (options_.check) Check([&](auto& out) { checker_.AfterStep(game_, out); });
}

void HandRunner::Step() {
  Game& g = game_;
  Timer& timer = g.Win.TmrMainCircle;
  if (timer.Enabled) {
    host_.SleepMs(timer.Interval);
    const bool handEnds = g.MainCourse == TurnStep::EndHand;
    if (handEnds) {
      if (options_.check) Check([&](auto& out) { checker_.AtHandEnd(g, out); });
      if (g.TripleCapture) ++captures_;
    }
    // The count after one tick is the count before the next, unless something else ran.
    const int playedBefore = playedKnown_ ? played_ : CardsPlayed(g);
    TmrMainCircleTimer(g);
    played_ = CardsPlayed(g);
    playedKnown_ = true;
    if (played_ > playedBefore) ++summary_.plays;
    AfterStep();
    idleActs_ = 0;
    if (handEnds) {
      EndOfHand();
    } else if (++ticksThisHand_ > kMostTicksPerHand) {
      Violation("the hand ran " + std::to_string(kMostTicksPerHand) + " ticks in state " +
                std::string(TurnStepName(g.MainCourse)) + " without ending");
      EndOfHand();
      MnuZundaRunClick(g);
      RunPostedActions(g);
      playedKnown_ = false;
    }
    return;
  }
  playedKnown_ = false;
  AutopilotOutcome outcome = pilot_.Act(g);
  RunPostedActions(g);
  Autopilot::Applied(g, outcome);
  if (!outcome.fault.empty()) Violation(outcome.fault);
  AfterStep();
  if ((outcome.acted && ++idleActs_ < 3) || g.Stopped) return;
  // Nothing armed the timer and nobody is waited for: the game would hang here.
  Violation("the turn cycle stopped in state " + std::string(TurnStepName(g.MainCourse)) +
            " with nothing to wait for");
  EndOfHand();
  MnuZundaRunClick(g);
  RunPostedActions(g);
}

void HandRunner::EndOfHand() {
  if (rehearsal_ == nullptr) CheckEndOfHand();
  if (rehearsal_ == nullptr && keepRecords_) records_.push_back(game_.Record);
  ++summary_.hands;
  ticksThisHand_ = 0;
  host_.ClearMessages();
}

template <typename CheckFn>
void HandRunner::Check(CheckFn&& check) {
  found_.clear();
  check(found_);
  for (const std::string& text : found_)
    Violation(text);
}

// The event list is the window's; the simulator empties it as it goes so that a long run
// keeps no more than one step's lines.
void HandRunner::DrainEvents() {
  ListBox& list = game_.Win.LstDispEvent;
  if (list.Items.empty()) return;
  for (const std::string& line : list.Items) {
    if (rehearsal_ != nullptr) {
      rehearsal_->push_back(line);
      continue;
    }
    if (events_ != nullptr) *events_ << line << '\n';
    CountEvent(line);
    if (saveRestore_) ViolationIf(saveRestore_->Line(line));
  }
  list.Clear();
}

void HandRunner::CountEvent(const std::string& line) {
  // Both lines counted hold an exclamation mark, and hardly any other line does.
  if (line.find('!') == std::string::npos) return;
  if (line.ends_with("确认烧牌!")) ++burns_;
  if (line.find("烧糊了!被判为") != std::string::npos) ++scorched_;
}

void HandRunner::Violation(const std::string& text) {
  // A rehearsal is played again for real, and what it broke is counted then.
  if (rehearsal_ != nullptr) return;
  if (summary_.violations < kViolationsShown) {
    report_ << "hand " << summary_.hands + 1 << ": " << text << '\n';
  }
  ++summary_.violations;
}

SimSummary RunHands(const SimOptions& options, std::ostream& report, std::ostream* events,
                    std::ostream* decisions) {
  HandRunner runner(options, report, events, decisions);
  while (runner.Summary().hands < options.hands && runner.PlayHand()) {
  }
  SimSummary summary = runner.Finish();
  if (!options.recordPath.empty()) {
    const SaveResult written =
        WriteHandRecords(QString::fromStdString(options.recordPath), runner.Records());
    if (!written.Ok()) {
      report << "the records could not be written to " << options.recordPath << '\n';
      ++summary.violations;
    }
  }
  return summary;
}

}  // namespace zunda::sim

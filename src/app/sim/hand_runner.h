#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/game.h"
#include "decision_dump.h"
#include "play_invariants.h"
#include "players/autopilot.h"
#include "save_restore_check.h"
#include "scratch_folder.h"
#include "sim_host.h"
#include "sim_options.h"
#include "sim_summary.h"
#include "store/file_game_store.h"

namespace zunda::sim {

// Plays whole hands without a window: the main timer is fired in virtual time whenever the
// game arms it, and the autopilot plays seat 1 whenever the game waits for it. With
// options.check the invariants are checked after every tick. Broken invariants (the first
// few) go to `report`; every event-list line goes to `events` when it is not null, and every
// decision of a computer seat (not the autopilot's) to `decisions` as a decision-log line.
class HandRunner {
 public:
  HandRunner(const SimOptions& options, std::ostream& report, std::ostream* events,
             std::ostream* decisions = nullptr);
  HandRunner(const HandRunner&) = delete;
  HandRunner& operator=(const HandRunner&) = delete;

  // Plays on until the current hand has ended. False once the game has stopped for good.
  bool PlayHand();
  // Reports what is left (fatal errors, the counts of burns) and returns the summary.
  SimSummary Finish();

  const SimSummary& Summary() const { return summary_; }

  // For tests: the game in play, the program folder that holds its score file ("" when the
  // score file is not kept), and a hook between every save and its load of --save-restore.
  Game& GameInPlay() { return game_; }
  std::string ProgramFolder() const;
  void BetweenSaveAndLoad(std::function<void(const std::string& folder)> hook);
  // For tests: runs after every step (a tick, or the autopilot's act), and the texts of every
  // message box shown so far.
  void AfterEveryStep(std::function<void(const Game&)> hook) { afterStep_ = std::move(hook); }
  const std::vector<std::string>& Messages() const { return host_.Messages(); }
  // The records of the hands played so far, with --record.
  const std::vector<HandRecord>& Records() const { return records_; }

 private:
  void Step();
  void AfterStep();
  void EndOfHand();
  void DrainEvents();
  void CountEvent(const std::string& line);
  void Violation(const std::string& text);
  template <typename CheckFn>
  void Check(CheckFn&& check);
  void ViolationIf(const std::string& text);
  // The score file and the save-and-restore points, in a scratch folder of their own.
  void SetUpFiles();
  // Plays the hand unbroken for the save-and-restore check, then puts everything back.
  void Rehearse();
  void CheckEndOfHand();

  SimOptions options_;
  std::ostream& report_;
  std::ostream* events_;
  std::optional<DecisionDump> decisions_;
  SimHost host_;
  std::function<void(const Game&)> afterStep_;
  Game game_;
  Autopilot pilot_;
  PlayChecker checker_;
  SimSummary summary_;
  std::vector<std::string> found_;
  long long burns_ = 0;
  long long scorched_ = 0;
  long long captures_ = 0;
  long ticksThisHand_ = 0;
  // The cards played when the last tick ended, while nothing but ticks has run since.
  int played_ = 0;
  bool playedKnown_ = false;
  int idleActs_ = 0;
  bool started_ = false;
  double startedAt_ = 0;
  std::unique_ptr<ScratchFolder> scratch_;
  FileGameStore store_;
  std::optional<SaveRestoreCheck> saveRestore_;
  bool keepRecords_ = false;
  std::vector<HandRecord> records_;
  // Collects the event lines while a hand is rehearsed; null otherwise.
  std::vector<std::string>* rehearsal_ = nullptr;
};

// Plays options.hands whole hands and returns the summary.
SimSummary RunHands(const SimOptions& options, std::ostream& report, std::ostream* events,
                    std::ostream* decisions = nullptr);

}  // namespace zunda::sim

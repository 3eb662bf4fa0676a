// The parts of the hand runner that go through files: the score file and the save-and-restore
// points.
#include <utility>

#include "hand_runner.h"
#include "store/program_folder.h"
#include "store/score_file.h"

namespace zunda::sim {

void HandRunner::SetUpFiles() {
  if (!options_.check && options_.saveRestore == 0) return;
  scratch_ = std::make_unique<ScratchFolder>();
  if (!scratch_->Valid()) {
    Violation(scratch_->Problem());
    scratch_.reset();
    return;
  }
  if (options_.check) {
    // The game keeps its score file as it would in the program folder.
    game_.AppPath = MakeAppPath(scratch_->ProgramFolder());
    InstallFileStore(game_, store_);
    store_.KeepsHistory = false;
  }
  if (options_.saveRestore > 0) {
    saveRestore_.emplace(options_.seed, options_.saveRestore, options_.hands,
                         scratch_->SnapshotFolder());
  }
}

std::string HandRunner::ProgramFolder() const {
  return game_.Store == &store_ ? game_.AppPath : std::string();
}

void HandRunner::BetweenSaveAndLoad(std::function<void(const std::string& folder)> hook) {
  if (saveRestore_) saveRestore_->BetweenSaveAndLoad(std::move(hook));
}

void HandRunner::Rehearse() {
  // Everything a step changes, to be put back once the hand has been played through.
  const Game game = game_;
  const SimHost host = host_;
  const Autopilot pilot = pilot_;
  const PlayChecker checker = checker_;
  const SimSummary summary = summary_;
  const long long burns = burns_;
  const long long scorched = scorched_;
  const long long captures = captures_;
  const long ticks = ticksThisHand_;
  const int idleActs = idleActs_;

  std::vector<std::string> lines;
  rehearsal_ = &lines;
  // The invariants are checked, and the decisions logged, when the hand is played for real.
  const bool check = std::exchange(options_.check, false);
  game_.Decisions = nullptr;
  long steps = 0;
  while (summary_.hands == summary.hands && !game_.Stopped) {
    Step();
    ++steps;
  }
  options_.check = check;
  rehearsal_ = nullptr;

  game_ = game;
  host_ = host;
  pilot_ = pilot;
  checker_ = checker;
  summary_ = summary;
  burns_ = burns;
  scorched_ = scorched;
  captures_ = captures;
  ticksThisHand_ = ticks;
  idleActs_ = idleActs;
  saveRestore_->Rehearsed(std::move(lines), steps);
}

void HandRunner::CheckEndOfHand() {
  if (saveRestore_) ViolationIf(saveRestore_->EndHand());
  if (game_.Store != &store_) return;
  const long long sum = SeatScoreSumInFile(game_);
  if (sum != 0) {
    Violation("the points of the six seats in the score file add up to " + std::to_string(sum));
  }
}

void HandRunner::ViolationIf(const std::string& text) {
  if (!text.empty()) Violation(text);
}

}  // namespace zunda::sim

#include "save_restore_check.h"

#include <algorithm>
#include <exception>

#include "core/game.h"
#include "store/snapshot.h"

namespace zunda::sim {

namespace {

// Keeps the points' generator apart from the game's, which is seeded with the seed itself.
constexpr std::uint64_t kPointSeedMix = 0x9E3779B97F4A7C15ULL;

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

SaveRestoreCheck::SaveRestoreCheck(std::uint64_t seed, long long points, long long hands,
                                   std::string folder)
    : rng_(seed ^ kPointSeedMix), folder_(std::move(folder)), handsLeft_(std::max(hands, 0LL)) {
  if (handsLeft_ > 0 && points > 0) {
    pointsPerHand_ = points / handsLeft_;
    extraPointsLeft_ = points % handsLeft_;
  }
}

bool SaveRestoreCheck::StartHand() {
  rehearsed_ = false;
  reference_.clear();
  points_.clear();
  nextPoint_ = 0;
  step_ = 0;
  lastPoint_ = -1;
  linesSeen_ = 0;
  diverged_ = false;
  pointsThisHand_ = 0;
  if (handsLeft_ <= 0) return false;
  // Each remaining hand takes one of the extra points with the odds that hand them all out
  // by the last hand.
  long long points = pointsPerHand_;
  if (extraPointsLeft_ > 0 &&
      rng_.Uniform() * static_cast<double>(handsLeft_) < static_cast<double>(extraPointsLeft_)) {
    ++points;
    --extraPointsLeft_;
  }
  --handsLeft_;
  pointsThisHand_ = points;
  return points > 0;
}

void SaveRestoreCheck::Rehearsed(std::vector<std::string> lines, long steps) {
  rehearsed_ = true;
  reference_ = std::move(lines);
  // Distinct steps, each as likely as any other.
  long long needed = std::min<long long>(pointsThisHand_, steps);
  for (long step = 0; step < steps && needed > 0; ++step) {
    if (rng_.Uniform() * static_cast<double>(steps - step) < static_cast<double>(needed)) {
      points_.push_back(step);
      --needed;
    }
  }
}

std::string SaveRestoreCheck::BeforeStep(Game& g) {
  const long step = step_++;
  if (nextPoint_ >= points_.size() || points_[nextPoint_] != step) return {};
  ++nextPoint_;
  lastPoint_ = step;
  ++pointsTaken_;
  const std::string state(TurnStepName(g.MainCourse));
  std::function<void()> between;
  if (betweenSaveAndLoad_) between = [this] { betweenSaveAndLoad_(folder_); };
  std::string problem;
  try {
    RecordAction(g, SimpleAction(RecordedKind::Save, g.HumanSeat));
    problem = SaveAndRestoreInPlace(g, folder_, between);
    RecordAction(g, SimpleAction(RecordedKind::Restore, g.HumanSeat));
  } catch (const std::exception& error) {
    problem = std::string("the save or the load failed: ") + error.what();
  }
  if (problem.empty()) return {};
  return "save and restore at step " + std::to_string(step) + " in state " + state + ": " + problem;
}

std::string SaveRestoreCheck::Line(const std::string& line) {
  if (!rehearsed_) return {};
  const std::size_t index = linesSeen_++;
  if (diverged_) return {};
  const bool inReference = index < reference_.size();
  if (inReference && reference_[index] == line) return {};
  diverged_ = true;
  return Where() + ", line " + std::to_string(index + 1) + " of the hand differs: unbroken " +
         (inReference ? Quoted(reference_[index]) : "(the hand had ended)") + ", restored " +
         Quoted(line);
}

std::string SaveRestoreCheck::EndHand() {
  if (!rehearsed_ || diverged_ || linesSeen_ == reference_.size()) return {};
  diverged_ = true;
  return Where() + ", the hand ended after " + std::to_string(linesSeen_) +
         " event lines, the unbroken one after " + std::to_string(reference_.size());
}

std::string SaveRestoreCheck::Where() const {
  if (lastPoint_ < 0) return "before any save and restore";
  return "after the save and restore at step " + std::to_string(lastPoint_);
}

}  // namespace zunda::sim

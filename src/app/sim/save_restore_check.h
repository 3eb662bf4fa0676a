#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/rng.h"

namespace zunda {
struct Game;
}

namespace zunda::sim {

// --save-restore K: the game is saved and loaded again through the program's own save and
// load at K points of the run, and what it shows afterwards must be what it shows without the
// break. A hand that holds points is first played unbroken (the rehearsal) and rolled back;
// its lines are the reference the broken run is held to, line by line, to the end of the hand.
//
// The points are drawn by a generator of their own, so the game's random stream, and with it
// every event line, is the same with and without the option.
class SaveRestoreCheck {
 public:
  // `points` spread over `hands` hands; `folder` is where the pair is written.
  SaveRestoreCheck(std::uint64_t seed, long long points, long long hands, std::string folder);

  // At the start of every hand: true when it holds points, so that it must be rehearsed.
  bool StartHand();
  // What the rehearsal showed: its event lines and how many steps the hand took. Chooses the
  // steps at which the hand is saved and restored.
  void Rehearsed(std::vector<std::string> lines, long steps);

  // Before every step of the hand: saves and restores g when the step is a point. Returns a
  // violation, or "".
  std::string BeforeStep(Game& g);
  // Every event line of the hand as it is shown: a violation at the first line that differs
  // from the rehearsal, else "".
  std::string Line(const std::string& line);
  // At the end of the hand: a violation when it showed fewer or more lines than the rehearsal.
  std::string EndHand();

  long long PointsTaken() const { return pointsTaken_; }
  // Runs between every save and its load.
  void BetweenSaveAndLoad(std::function<void(const std::string& folder)> hook) {
    betweenSaveAndLoad_ = std::move(hook);
  }

 private:
  std::string Where() const;

  Rng rng_;
  std::string folder_;
  long long pointsPerHand_ = 0;
  long long extraPointsLeft_ = 0;  // hands that get one point more than pointsPerHand_
  long long handsLeft_ = 0;
  long long pointsThisHand_ = 0;

  bool rehearsed_ = false;
  std::vector<std::string> reference_;
  std::vector<long> points_;  // steps of the hand, ascending
  std::size_t nextPoint_ = 0;
  long step_ = 0;
  long lastPoint_ = -1;
  std::size_t linesSeen_ = 0;
  bool diverged_ = false;
  long long pointsTaken_ = 0;
  std::function<void(const std::string&)> betweenSaveAndLoad_;
};

}  // namespace zunda::sim

#pragma once

#include <string>
#include <vector>

#include "core/hand_record.h"
#include "fnv1a.h"

namespace zunda {
struct Game;
}

namespace zunda::sim {

// What a record keeper adds to a hand's record when the hand ends: the event lines it showed
// (counted and hashed as they are drained) and its finishing order.
class OutcomeKeeper {
 public:
  void Line(const std::string& line);
  // The record of the hand just ended, with its outcome; the count starts again.
  HandRecord Finish(const Game& g);

 private:
  long lines_ = 0;
  Fnv1a64 hash_;
};

// Replays recorded hands in order on one fresh game, as zunda-sim played them from a new
// game: each hand is dealt the decks of its record, the human seat's actions are applied
// where the turn cycle waits for them, and the hand must show the event lines and the
// finishing order the record holds. Returns "" or, for the first hand that differs, what.
std::string ReplayHands(const std::vector<HandRecord>& records);

}  // namespace zunda::sim

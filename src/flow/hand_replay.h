#pragma once

#include <cstddef>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "core/hand_record.h"
#include "flow/review_frame.h"

namespace zunda {

struct Game;

// Plays recorded hands again on a game of its own, which no window shows and no file store
// backs: each hand is dealt the decks of its record, the human seat's actions are applied
// where the turn cycle waits for them, the questions are answered from the record, and the
// hand must show the event lines and the finishing order the record holds.
class HandReplay {
 public:
  static constexpr std::size_t kToTheEnd = std::numeric_limits<std::size_t>::max();

  HandReplay();
  ~HandReplay();
  HandReplay(const HandReplay&) = delete;
  HandReplay& operator=(const HandReplay&) = delete;

  // Whether the frames are kept (the review wants them, a check of a record does not).
  void KeepFrames(bool keep);

  // One hand on its own: a new game is started from what the record says the hand started
  // from. Returns "" or what differs.
  std::string Alone(const HandRecord& record, std::size_t stopAt = kToTheEnd);
  // The next hand of a run replayed from a new game: what a hand carries over to the next
  // (the finishing order, the tribute, the leader) is reproduced, not taken from the record.
  std::string Next(const HandRecord& record);

  // With a stop, the replay ends where the turn cycle waits for the human seat's action of
  // that index, with every action before it applied; "" when it got there.
  // The frames of the last hand replayed, one after every step that changed the table.
  const std::vector<ReviewFrame>& Frames() const;
  // Its event lines, in order.
  const std::vector<std::string>& EventLines() const;
  // The game the hand was replayed on, e.g. to go on from a stop.
  Game& ReplayedGame();

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

// The hands of one run from a new game, in order; "" or, for the first that differs, which
// hand and what.
std::string ReplayRun(const std::vector<HandRecord>& records);

// One hand replayed on its own: "" when it shows what the record says.
std::string CheckHandRecord(const HandRecord& record);

}  // namespace zunda

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model.h"

namespace zunda {

struct Game;

// What one seat showed at a moment of a hand: its name label (a seat that went out shows its
// title there), the cards it held by rank and the cards its table row showed.
struct ReviewSeat {
  std::string Name;
  std::array<std::uint8_t, kBigJoker - kLowRank + 1> Held{};  // ranks 3..17
  std::vector<std::string> Table;                             // card codes, left to right
  bool operator==(const ReviewSeat&) const = default;
};

// The table of a hand after a step that changed it: what the review window shows, one
// frame per play or pass.
struct ReviewFrame {
  long Tick = 0;  // the hand's tick the frame was taken at
  std::array<ReviewSeat, kSeats> Seats;
  std::string Prompt;
  long EventLines = 0;  // how many of the hand's event lines had been shown
  // The index of the next recorded action of the human seat; a branch from this frame
  // replays the actions before it.
  std::size_t NextAction = 0;
  bool SameTable(const ReviewFrame& other) const {
    return Seats == other.Seats && Prompt == other.Prompt;
  }
  bool operator==(const ReviewFrame&) const = default;
};

// Whether the game is in a hand whose frames count: dealt and not yet over.
bool HandShowing(const Game& g);
// The table as the game shows it now.
ReviewFrame CaptureFrame(const Game& g);
// The same into a frame whose storage is reused.
void CaptureFrame(const Game& g, ReviewFrame& frame);

// Collects the frames of a hand as it goes: a frame is kept after every step that changed
// what the table shows.
class FrameLog {
 public:
  void AfterStep(const Game& g, std::size_t nextAction);
  const std::vector<ReviewFrame>& Frames() const { return frames_; }
  std::vector<ReviewFrame> Take() { return std::move(frames_); }

 private:
  std::vector<ReviewFrame> frames_;
  ReviewFrame scratch_;
};

}  // namespace zunda

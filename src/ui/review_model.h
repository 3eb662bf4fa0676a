#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/hand_record.h"
#include "flow/review_frame.h"

namespace zunda {

// One kept hand as the review window walks through it: the record is replayed once when it
// is opened, and the window moves between the frames of that replay. Nothing here reaches the
// running game or the score table.
class ReviewModel {
 public:
  // Replays the record; "" or why it does not replay, in which case there are no frames.
  std::string Open(const HandRecord& record);

  const HandRecord& Record() const { return record_; }
  const std::string& Problem() const { return problem_; }
  bool Empty() const { return frames_.empty(); }
  std::size_t FrameCount() const { return frames_.size(); }
  std::size_t Index() const { return index_; }
  const ReviewFrame& Frame() const { return frames_.at(index_); }
  bool AtStart() const { return index_ == 0; }
  bool AtEnd() const { return frames_.empty() || index_ + 1 == frames_.size(); }

  // Each moves within the frames and stops at either end; true when the frame changed.
  bool First() { return JumpTo(0); }
  bool Back() { return index_ > 0 && JumpTo(index_ - 1); }
  bool Forward() { return JumpTo(index_ + 1); }
  bool Last() { return !frames_.empty() && JumpTo(frames_.size() - 1); }
  bool JumpTo(std::size_t index);

  // The event lines the hand had shown at the current frame.
  std::vector<std::string> ShownEvents() const;

 private:
  HandRecord record_;
  std::string problem_;
  std::vector<ReviewFrame> frames_;
  std::vector<std::string> events_;
  std::size_t index_ = 0;
};

}  // namespace zunda

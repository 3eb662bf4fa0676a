#include "ui/review_model.h"

#include <algorithm>

#include "flow/hand_replay.h"

namespace zunda {

std::string ReviewModel::Open(const HandRecord& record) {
  record_ = record;
  index_ = 0;
  HandReplay replay;
  replay.KeepFrames(true);
  problem_ = replay.Alone(record);
  if (problem_.empty() && replay.Frames().empty()) problem_ = "the hand showed no table";
  if (!problem_.empty()) {
    frames_.clear();
    events_.clear();
    return problem_;
  }
  frames_ = replay.Frames();
  events_ = replay.EventLines();
  return problem_;
}

bool ReviewModel::JumpTo(std::size_t index) {
  if (frames_.empty()) return false;
  index = std::min(index, frames_.size() - 1);
  if (index == index_) return false;
  index_ = index;
  return true;
}

std::vector<std::string> ReviewModel::ShownEvents() const {
  if (frames_.empty()) return {};
  const auto shown = static_cast<std::size_t>(std::max(0L, Frame().EventLines));
  return {events_.begin(),
          events_.begin() + static_cast<std::ptrdiff_t>(std::min(shown, events_.size()))};
}

}  // namespace zunda

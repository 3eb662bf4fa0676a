#include "flow/review_frame.h"

#include "core/game.h"

namespace zunda {

namespace {
constexpr int kRowSlots = kTableSlots / kSeats;
}

bool HandShowing(const Game& g) {
  return !g.Record.Closed && !g.Record.Decks.empty() && g.Ai.HandInPlay;
}

ReviewFrame CaptureFrame(const Game& g) {
  ReviewFrame frame;
  CaptureFrame(g, frame);
  return frame;
}

void CaptureFrame(const Game& g, ReviewFrame& frame) {
  frame.NextAction = 0;
  frame.Tick = g.Flow.TicksThisHand;
  if (g.Win.LblPrompt.Visible) {
    frame.Prompt = g.Win.LblPrompt.Caption;
  } else {
    frame.Prompt.clear();
  }
  frame.EventLines = g.Record.Outcome.EventLines;
  // Walked in order rather than indexed: a frame is taken after every step of a replay.
  for (int seat = 1; seat <= kSeats; ++seat) {
    ReviewSeat& shown = frame.Seats[static_cast<std::size_t>(seat - 1)];
    const Label& name = g.Win.LblName[seat];
    if (name.Visible) {
      shown.Name = name.Caption;
    } else {
      shown.Name.clear();
    }
    std::size_t rank = 0;
    for (const HandBucket& bucket : g.Hand[seat])
      shown.Held[rank++] = static_cast<std::uint8_t>(bucket.Count < 0 ? 0 : bucket.Count);
    shown.Table.clear();
  }
  int slot = 0;
  for (const CardImage& card : g.Win.ImgTable) {
    ReviewSeat& shown = frame.Seats[static_cast<std::size_t>(slot++ / kRowSlots)];
    if (card.Visible && !card.Tag.empty()) shown.Table.push_back(card.Tag);
  }
}

void FrameLog::AfterStep(const Game& g, std::size_t nextAction) {
  if (!HandShowing(g)) return;
  CaptureFrame(g, scratch_);
  if (!frames_.empty() && frames_.back().SameTable(scratch_)) return;
  scratch_.NextAction = nextAction;
  frames_.push_back(scratch_);
}

}  // namespace zunda

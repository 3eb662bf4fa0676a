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
  frame.Tick = g.Flow.TicksThisHand;
  frame.Prompt = g.Win.LblPrompt.Visible ? g.Win.LblPrompt.Caption : std::string();
  frame.EventLines = g.Record.Outcome.EventLines;
  for (int seat = 1; seat <= kSeats; ++seat) {
    ReviewSeat& shown = frame.Seats[static_cast<std::size_t>(seat - 1)];
    const Label& name = g.Win.LblName[seat];
    shown.Name = name.Visible ? name.Caption : std::string();
    for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
      const int count = g.Hand[seat][rank].Count;
      shown.Held[static_cast<std::size_t>(rank - kLowRank)] =
          static_cast<std::uint8_t>(count < 0 ? 0 : count);
    }
    for (int k = 1; k <= kRowSlots; ++k) {
      const Image& card = g.Win.ImgTable[kRowSlots * (seat - 1) + k];
      if (card.Visible && !card.Tag.empty()) shown.Table.push_back(card.Tag);
    }
  }
  return frame;
}

void FrameLog::AfterStep(const Game& g, std::size_t nextAction) {
  if (!HandShowing(g)) return;
  ReviewFrame frame = CaptureFrame(g);
  if (!frames_.empty() && frames_.back().SameTable(frame)) return;
  frame.NextAction = nextAction;
  frames_.push_back(std::move(frame));
}

}  // namespace zunda

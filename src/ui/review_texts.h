#pragma once

#include <QString>

#include "core/hand_record.h"
#include "flow/review_frame.h"

namespace zunda {

// The entry of a kept hand in the review window's list: when it was played, how the human
// finished and a mark on a practice hand, then on a line of their own the six names with the
// human's first.
QString HandListText(const HandRecord& record);
// How the human seat finished: its title, or a mark when the record holds no place for it.
QString HumanResultText(const HandRecord& record);
// The cards a seat holds by rank, lowest first: "3×2 5×1 小虎×1"; "-" for none.
QString HeldCardsText(const ReviewSeat& seat);

}  // namespace zunda

#include "flow/seat_to_act.h"

#include "core/game.h"

namespace zunda {

int SeatToAct(const Game& g) {
  if (!g.Flow.Running) return 0;
  const TurnStep step = g.MainCourse;
  const bool inRound =
      step >= TurnStep::SetUpLead && step <= TurnStep::CloseAnswer && step != TurnStep::AfterLead;
  const int seat = g.CurrentSeat;
  if (!inRound || seat < 1 || seat > kSeats || g.Seats[seat].Finished) return 0;
  return g.Win.LblName[seat].Visible ? seat : 0;
}

}  // namespace zunda

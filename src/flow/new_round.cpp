#include "flow/new_round.h"

#include <string_view>

#include "core/game.h"
#include "core/label_looks.h"
#include "core/seats.h"
#include "core/table_display.h"
#include "core/text.h"

namespace zunda {

void NewRound(Game& g) {
  for (int seat = 1; seat <= kSeats; ++seat)
    HideTableRow(g, seat);
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (InPlay(g, seat)) {
      g.Seats[seat].Passed = false;
      g.Seats[seat].Folded = false;
      // The shading of a pass belongs to its round. Left on, it would tell the responder
      // rules of the next round that everyone had already passed, and the seat opposite the
      // leader would be asked again and again.
      if (g.Seats[seat].Shade == SeatShade::PassedOver) SetInPlayLook(g, seat);
    }
    AssignIfChanged(g.Win.Frame1[seat].ToolTipText, kNotPlayedTip);
  }
  g.Flow.FoldInForce = false;
  g.BigJokerOnTable = false;
  ClearPlayCounts(g.TablePlay);
  g.Flow.LongDelay = false;
}

}  // namespace zunda

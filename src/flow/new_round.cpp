#include "flow/new_round.h"

#include "core/game.h"
#include "core/label_looks.h"
#include "core/seats.h"

namespace zunda {

void NewRound(Game& g) {
  constexpr char kNotPlayedTip[] = "该家没有出牌";
  for (int i = 1; i <= kTableSlots; ++i) {
    g.Win.ImgTable[i].Visible = false;
    g.Win.ImgTable[i].ToolTipText = kNotPlayedTip;
    g.Table.TableSlotUsed[i] = false;
  }
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (InPlay(g, seat)) {
      g.Seats[seat].Passed = false;
      g.Seats[seat].Folded = false;
      // The shading of a pass belongs to its round; the next responder reads the labels, and a
      // label left shaded would count the seat as passed in the new round too.
      Label& label = g.Win.LblName[seat];
      if (label.BackColor == kColorPassed) SetInPlayLook(label);
    }
    g.Win.Frame1[seat].ToolTipText = kNotPlayedTip;
  }
  g.Flow.FoldInForce = false;
  g.BigJokerOnTable = false;
  PlayRecord& table = g.TablePlay;
  table.Total = 0;
  table.BaseCount = 0;
  table.TwoCount = 0;
  table.SmallJokers = 0;
  table.BigJokers = 0;
  g.Flow.LongDelay = false;
}

}  // namespace zunda

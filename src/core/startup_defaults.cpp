#include "core/startup_defaults.h"

#include "core/game.h"
#include "zunda/version.h"

namespace zunda {

void SetStartupDefaults(Game& g) {
  constexpr std::array<int, 15> kWeights = {0, 0, 0, 0, 0, 0, 0, 10, 13, 20, 30, 40, 70, 120, 200};
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    g.CardWeight[rank] = kWeights[static_cast<std::size_t>(rank - kLowRank)];
  }
  for (int seat = 1; seat <= kSeats; ++seat) {
    g.Seats[seat].Place = 0;
    g.FinishOrder[seat] = 0;
    g.Seats[seat].Name = std::string(kDefaultSeatNames[static_cast<std::size_t>(seat - 1)]);
    g.Win.LblName[seat].Tag = g.Seats[seat].Name;
    g.Win.LblName[seat].Caption = g.Seats[seat].Name;
  }
  // The scorched button's warning is its one fixed tip: it never changes during play.
  g.Win.CmdShaoHuLe.ToolTipText = "看准了,确实烧糊了再点此按钮!";
  g.FirstHand = true;
  g.LeadSeat = 0;
  g.HumanSeat = 1;
  g.PlayerCount = 0;
  g.VersionText = "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) +
                  " Build " + std::to_string(kVersionRevision);
}

}  // namespace zunda

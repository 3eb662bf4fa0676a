#include "rules/commit_selection.h"

#include <string>

#include "core/display.h"
#include "core/game.h"
#include "rules/answer_rule.h"
#include "rules/hand_display.h"
#include "rules/play_rules.h"

namespace zunda {

namespace {

// The lowest raised rank: slots are ordered from the highest rank down, so it is the rank of
// the highest-numbered raised slot. 0 when nothing is raised.
int LowestRaisedRank(const Game& g) {
  for (int slot = kHandSlots; slot >= 1; --slot) {
    if (HandSlotRaised(g, slot)) return HandSlotRank(g, slot);
  }
  return 0;
}

// Jokers and twos lie in the first slots of the display, but the whole row is scanned so that
// no raised card can be missed; the order (highest slot first) is the same either way.
void BuildSelection(Game& g, int baseRank) {
  PlayRecord& sel = g.Selection;
  sel.Seat = g.HumanSeat;
  sel.BaseRank = baseRank;
  for (int slot = kHandSlots; slot >= 1; --slot) {
    if (!HandSlotRaised(g, slot)) continue;
    const CardCode code(g.Win.ImgHand[slot].Tag);
    const int rank = code.Rank();
    if (rank == kTwo) {
      sel.TwoCodes[++sel.TwoCount] = code;
    } else if (rank == kSmallJoker) {
      ++sel.SmallJokers;
    } else if (rank == kBigJoker) {
      ++sel.BigJokers;
    } else if (rank == baseRank) {
      sel.BaseCodes[++sel.BaseCount] = code;
    }
  }
  sel.Total = sel.BaseCount + sel.TwoCount + sel.SmallJokers + sel.BigJokers;
}

// The bucket keeps the codes of the cards of its rank that stay in hand, in slot order; its
// count is lowered when the play is executed.
void KeepLoweredCodes(Game& g, int rank) {
  HandBucket& bucket = g.Hand[g.HumanSeat][rank];
  int kept = 0;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    const Image& image = g.Win.ImgHand[slot];
    if (image.Tag.empty() || HandSlotRaised(g, slot) || HandSlotRank(g, slot) != rank) continue;
    bucket.Codes[++kept] = CardCode(image.Tag);
  }
  for (int i = kept + 1; i <= decltype(bucket.Codes)::kHigh; ++i)
    bucket.Codes[i] = CardCode();
}

}  // namespace

bool SelectionMayBeLaid(Game& g) {
  ClearSelection(g);
  const int baseRank = LowestRaisedRank(g);
  if (baseRank == 0) return false;
  BuildSelection(g, baseRank);

  const PlayRecord& table = g.TablePlay;
  if (table.Total > 0 && g.Selection.Total != table.Total) {
    ShowPrompt(g, "选中牌的张数与上家不一样，请重选");
    return false;
  }
  if (g.Selection.BigJokers < table.SmallJokers) {
    ShowPrompt(g, "您必须至少挂" + std::to_string(table.SmallJokers) + "张大虎方可出牌");
    return false;
  }
  return true;
}

bool CommitSelection(Game& g) {
  if (!SelectionMayBeLaid(g)) return false;
  const int baseRank = g.Selection.BaseRank;

  // Only a play that is laid touches the hand: a refused selection leaves the buckets whole.
  if (baseRank < kTwo) KeepLoweredCodes(g, baseRank);
  KeepLoweredCodes(g, kTwo);

  g.TablePlay = g.Selection;
  g.Flow.HumanCommitted = true;
  RecordAction(g, PlayAction(g.HumanSeat, g.Selection));
  for (Button* button : {&g.Win.CmdPass, &g.Win.CmdSend, &g.Win.CmdReturn}) {
    button->Visible = false;
    button->HasFocus = false;
  }
  ShowPrompt(g, "");
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (!HandSlotRaised(g, slot)) continue;
    Image& image = g.Win.ImgHand[slot];
    image.Top = kHandLowered;
    image.Visible = false;
    image.Tag.clear();
    image.ToolTipText.clear();
  }
  return true;
}

}  // namespace zunda

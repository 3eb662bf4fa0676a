#include <array>
#include <string>

#include "core/game.h"
#include "players/autopilot.h"
#include "players/autopilot_choice.h"
#include "rules/hand_display.h"
#include "rules/human_input.h"

namespace zunda {

namespace {

// The scans below run after every click: the slot's cheap raised test comes first.
int RaisedOfRank(const Game& g, int rank) {
  int count = 0;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (HandSlotRaised(g, slot) && ShownCardRank(g, slot) == rank) ++count;
  }
  return count;
}

// A slot of the rank that stands raised (or lowered), from the end of the row.
int FindSlot(const Game& g, int rank, bool raised) {
  for (int slot = kHandSlots; slot >= 1; --slot) {
    if (HandSlotRaised(g, slot) == raised && ShownCardRank(g, slot) == rank) return slot;
  }
  return 0;
}

// One pass over the row: the raised cards of every rank and all raised slots.
bool RaisedExactly(const Game& g, const PlayRecord& set) {
  std::array<int, kBigJoker + 1> raisedOfRank{};
  int raised = 0;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (!HandSlotRaised(g, slot)) continue;
    ++raised;
    if (const int rank = ShownCardRank(g, slot); rank > 0 && rank <= kBigJoker)
      ++raisedOfRank[static_cast<std::size_t>(rank)];
  }
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    if (raisedOfRank[static_cast<std::size_t>(rank)] != CardsOfRank(set, rank)) return false;
  }
  return raised == set.Total;
}

// The one rank of a set of ordinary cards or of twos alone; 0 for any other set.
int SingleRank(const PlayRecord& set) {
  int found = 0;
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    if (CardsOfRank(set, rank) == 0) continue;
    if (found != 0) return 0;
    found = rank;
  }
  return found < kSmallJoker ? found : 0;
}

}  // namespace

std::string DescribeSet(const PlayRecord& set) {
  std::string text;
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    const int n = CardsOfRank(set, rank);
    if (n == 0) continue;
    if (!text.empty()) text += ' ';
    text += std::to_string(n) + "x" + std::to_string(rank);
  }
  return text.empty() ? "nothing" : text;
}

bool RaiseSetByClicks(Game& g, const PlayRecord& set) {
  const int human = g.HumanSeat;
  if (AnyHandSlotRaised(g)) CmdReturnClick(g);

  // A left click raises the clicked card's whole set, cut to the size of the table play.
  const int single = SingleRank(set);
  if (single != 0) {
    const int held = g.Hand[human][single].Count;
    const int tableTotal = g.TablePlay.Total;
    const int selected = tableTotal > 0 && tableTotal < held ? tableTotal : held;
    const int slot = FindSlot(g, single, false);
    if (selected == set.Total && slot != 0) {
      ImgHandMouseUp(g, slot, MouseButton::Left, 0);
      if (RaisedExactly(g, set)) return true;
      if (g.Stopped) return false;
      CmdReturnClick(g);
    }
  }

  // Card by card with the right button. Twos and jokers go up before the ordinary cards they
  // escort; a rank clicked after wildcards fills itself up to the table's size, so a rank that
  // overshoots is trimmed back before the next one.
  for (int rank = kBigJoker; rank >= kLowRank; --rank) {
    const int wanted = CardsOfRank(set, rank);
    if (wanted == 0) continue;
    for (int guard = 0; guard < 2 * kHandSlots && RaisedOfRank(g, rank) != wanted; ++guard) {
      const bool raise = RaisedOfRank(g, rank) < wanted;
      const int slot = FindSlot(g, rank, !raise);
      if (slot == 0 || g.Stopped) return false;
      ImgHandMouseUp(g, slot, MouseButton::Right, 0);
    }
    if (RaisedOfRank(g, rank) != wanted) return false;
  }
  return RaisedExactly(g, set);
}

}  // namespace zunda

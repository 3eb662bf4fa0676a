#pragma once

#include <array>
#include <string_view>

#include "flow_setup.h"
#include "players/lead_choice.h"
#include "program_fixture.h"
#include "rules/hand_display.h"
#include "rules/human_input.h"

namespace zunda::testing {

// The program running a game in which the test deals a round of its choice.
class TableTest : public ProgramTest {
 protected:
  void SetUp() override {
    StartGame();
    Tick();  // the new game's first step
  }

  // A round of the given hands in which the computer seat `leader` leads its whole set of
  // `rank`; the turn cycle stands right before the lead is laid.
  void RoundLedWith(const std::array<std::string_view, 6>& hands, int leader, int rank) {
    SetUpRound(g(), hands, leader);
    controller().Sync();
    ASSERT_TRUE(TickUntilState(TurnStep::ExecuteLead));
    SetWholeBucket(g(), leader, rank, g().TablePlay);
  }
  // Ticks until the turn cycle waits for the human to lead or answer.
  bool TickToHuman() {
    return TickUntil([&] { return HumanAwaited(g()); });
  }
  // The hand slots holding cards of a rank, and the raised slots, in slot order.
  std::vector<int> Slots(int rank) {
    return SlotsWhere([&](int slot) { return HandSlotRank(g(), slot) == rank; });
  }
  std::vector<int> Raised() {
    return SlotsWhere([&](int slot) { return HandSlotRaised(g(), slot); });
  }
  bool Shown(CommandButton which) { return Button(which)->isVisible(); }
  std::vector<int> SlotsWhere(const std::function<bool(int)>& wanted) {
    std::vector<int> found;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
      if (HandSlotHoldsCard(g(), slot) && wanted(slot)) found.push_back(slot);
    }
    return found;
  }
  // The codes laid in a seat's row of the table, in order.
  std::vector<std::string> TableRow(int seat) {
    std::vector<std::string> codes;
    for (int k = 1; k <= 20; ++k) {
      const Image& image = g().Win.ImgTable[20 * (seat - 1) + k];
      if (image.Visible && !image.Tag.empty()) codes.push_back(image.Tag);
    }
    return codes;
  }
};

}  // namespace zunda::testing

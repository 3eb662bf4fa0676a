#include "hand_driver.h"

#include "flow/turn_cycle.h"
#include "rules/burning.h"
#include "rules/hand_display.h"
#include "rules/human_input.h"
#include "rules/tribute.h"
#include "window_input.h"

namespace zunda::testing {

namespace {

constexpr long long kStallLimit = 50;

// Hand slots holding a card, one per rank, lowest rank first.
std::vector<int> SlotsByRankAscending(const Game& g) {
  std::vector<int> slots;
  int lastRank = 0;
  for (int slot = kHandSlots; slot >= 1; --slot) {
    if (!HandSlotHoldsCard(g, slot)) continue;
    const int rank = HandSlotRank(g, slot);
    if (rank == lastRank) continue;
    lastRank = rank;
    slots.push_back(slot);
  }
  return slots;
}

}  // namespace

HandDriver::HandDriver(Game& g, ScriptedHost& host) : g_(g) {
  host.OnDoEvents([this] { MaybeBurn(); });
}

void HandDriver::NewGame() {
  Input(g_, MnuZundaRunClick);
}

bool HandDriver::Advance() {
  if (g_.Stopped || !problem_.empty()) return false;
  if (g_.Win.TmrMainCircle.Enabled) {
    const bool ending = g_.MainCourse == TurnStep::EndHand;
    TmrMainCircleTimer(g_);
    if (ending && g_.MainCourse != TurnStep::EndHand) ++handsEnded_;
    stalled_ = 0;
    return !g_.Stopped;
  }
  if (!g_.Flow.Running) return false;
  ActForHuman();
  if (g_.Win.TmrMainCircle.Enabled) {
    stalled_ = 0;
  } else if (++stalled_ > kStallLimit) {
    problem_ = "the human could not act in state " + std::string(TurnStepName(g_.MainCourse));
  }
  return problem_.empty() && !g_.Stopped;
}

void HandDriver::ActForHuman() {
  if (ReturnChoiceOpen(g_)) {
    ReturnTribute();
    return;
  }
  if (!HumanAwaited(g_)) {
    problem_ = "the turn cycle stopped without waiting for the human in " +
               std::string(TurnStepName(g_.MainCourse));
    return;
  }
  if (g_.Flow.LeadMode) {
    TryLead();
    return;
  }
  if (!TryAnswer()) Input(g_, CmdPassClick);
}

bool HandDriver::TryLead() {
  // A burner must lead a joker with its set, so a plain set may be refused; then the next.
  for (int slot : SlotsByRankAscending(g_)) {
    Input(g_, ImgHandMouseUp, slot, MouseButton::Left, 0);
    Input(g_, ImgHandMouseUp, slot, MouseButton::Left, 0);
    if (!HumanAwaited(g_)) return true;
    CmdReturnClick(g_);
  }
  return false;
}

bool HandDriver::TryAnswer() {
  const int table = g_.TablePlay.BaseRank;
  for (int slot : SlotsByRankAscending(g_)) {
    if (HandSlotRank(g_, slot) <= table) continue;
    Input(g_, ImgHandMouseUp, slot, MouseButton::Left, 0);
    Input(g_, CmdSendClick);
    if (!HumanAwaited(g_)) return true;
    CmdReturnClick(g_);
  }
  return false;
}

void HandDriver::ReturnTribute() {
  for (int slot = kHandSlots; slot >= 1 && !g_.Win.CmdHG.Visible; --slot) {
    if (HandSlotHoldsCard(g_, slot)) ReturnTributeClick(g_, slot);
  }
  Input(g_, CmdHGClick);
}

// During a burn offer the human burns when the cards it holds and the cards played make an
// odd number: often enough to meet burns, never by chance.
void HandDriver::MaybeBurn() {
  if (!g_.Win.CmdNotSP.Visible || !BurnConditionsHold(g_)) return;
  int played = 0;
  for (int rank = kLowRank; rank <= kBigJoker; ++rank)
    played += g_.PlayedByRank[rank];
  if (!burnAlways_ && (played + g_.Seats[g_.HumanSeat].CardCount) % 2 == 0) return;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (HandSlotHoldsCard(g_, slot)) {
      Input(g_, ImgHandMouseUp, slot, MouseButton::Left, 0);
      return;
    }
  }
}

}  // namespace zunda::testing

#include <cmath>
#include <string>

#include "core/display.h"
#include "core/game.h"
#include "rules/finishing.h"
#include "rules/hand_display.h"
#include "rules/tribute.h"

namespace zunda {

namespace {

// Every place of the previous hand is held by a different seat that still carries that place;
// without that the pairs of payers and receivers are not known.
bool FinishOrderComplete(const Game& g) {
  Arr<bool, 1, kSeats> seen;
  for (int place = 1; place <= kSeats; ++place) {
    const int seat = g.PrevFinishOrder[place];
    if (seat < 1 || seat > kSeats || seen[seat]) return false;
    if (g.Seats[seat].Place != place) return false;
    seen[seat] = true;
  }
  return true;
}

}  // namespace

bool TributeDue(const Game& g) {
  return g.Options.JinGong && !g.FirstHand && g.Seats[1].Place != 0 && FinishOrderComplete(g);
}

bool RunTribute(Game& g) {
  TributeState& t = g.Tribute;
  t.WaitingForHuman = false;
  if (!TributeDue(g)) {
    t.InProgress = false;
    t.PlayedThisHand = false;
    return false;
  }
  t.InProgress = true;
  t.PlayedThisHand = true;
  SetTributeCounts(g);
  ChooseTributeCards(g);
  TakeTribute(g);
  return true;
}

double TributeWaitMs(const Game& g) {
  const int place = g.Seats[g.HumanSeat].Place;
  return (place == 5 || place == 6 ? g.DelayTimeKouPai : g.DelayTimeShunPai) * 1000;
}

bool BeginReturnPhase(Game& g) {
  g.Tribute.WaitingForHuman = false;
  g.Win.CmdHG.Visible = false;
  for (int seat = 1; seat <= kSeats; ++seat) {
    SeatRecord& s = g.Seats[seat];
    if (s.Place < 1 || s.Place > 3 || s.TributeCount <= 0) continue;
    s.ReturnDone = false;
    if (seat == g.HumanSeat) {
      ShowPrompt(g, "您吃" + std::to_string(s.TributeCount) + "张贡,请选择还贡的牌!");
      g.Tribute.WaitingForHuman = true;
    } else {
      ChooseReturnCards(g, seat);
    }
  }
  return g.Tribute.WaitingForHuman;
}

void FinishTribute(Game& g) {
  ExchangeTribute(g);
  ShowHand(g, g.HumanSeat);
  g.Tribute.InProgress = false;
  g.Tribute.WaitingForHuman = false;
}

}  // namespace zunda

#include "rules/burning.h"

#include "core/action.h"
#include "core/delay.h"
#include "core/display.h"
#include "core/game.h"
#include "core/label_looks.h"
#include "core/seats.h"
#include "rules/answer_rule.h"
#include "rules/command_buttons.h"
#include "rules/play_rules.h"

namespace zunda {

namespace {

bool IsSeat(int seat) {
  return seat >= 1 && seat <= kSeats;
}

// An answer to the burn question ends a running burn wait at its next check.
void EndBurnWait(Game& g) {
  g.Flow.DelayEnd -= 10.0;
}

void MarkPassedOver(Game& g, int seat) {
  g.Seats[seat].Passed = true;
  SetPassedOverLook(g, seat);
}

void ConfirmBurn(Game& g, int seat, int burnedSeat) {
  g.Burn.BurnerSeat = seat;
  g.Burn.BurnedSeat = burnedSeat;
  // A fresh burn: the turn cycle has yet to hand the burner its turn.
  g.Burn.BurnerTurnTaken = false;
  g.Seats[seat].Burned = true;
  ShowButton(g.Win.CmdShaoHuLe);
  AddEventLine(g, g.Seats[seat].Name, "确认烧牌!");
  // The seats between the burned play and the burner are out of this round.
  int passedOver = burnedSeat;
  for (int step = 0; step < kSeats; ++step) {
    passedOver = NextActiveSeat(g, passedOver);
    if (passedOver == seat) break;
    MarkPassedOver(g, passedOver);
  }
}

}  // namespace

bool BurnConditionsHold(const Game& g) {
  const int human = g.HumanSeat;
  const SeatRecord& seat = g.Seats[human];
  const PlayRecord& table = g.TablePlay;
  if (!IsSeat(table.Seat) || table.Seat == human || table.Seat == OppositeSeat(human)) {
    return false;
  }
  if (seat.Burned || seat.Finished || seat.Scorched || !seat.BurnRight) return false;
  // A big joker cannot be beaten, so it cannot be burned either.
  if (!IsZundaPlay(table) || table.BigJokers > 0) return false;
  if (ActiveSeats(g) < 5) return false;
  return !g.Seats[table.Seat].OppositeOut && !seat.OppositeOut;
}

bool OfferBurn(Game& g, int seat) {
  RecordAction(g, SimpleAction(RecordedKind::OfferBurn, seat));
  ShowPrompt(g, "");
  int mode = g.Burn.BurnOfferMode;
  if (mode == 0) return false;
  const SeatRecord& human = g.Seats[g.HumanSeat];
  const SeatRecord& burner = g.Seats[seat];
  const int burnedSeat = g.TablePlay.Seat;
  if (mode == 2 && (human.Finished || human.Scorched)) mode = 1;
  if (burner.Passed) mode = 1;
  if (mode == 2 && g.Burn.BurnerSeat != 0) mode = 1;
  if (mode == 2 && (!IsSeat(burnedSeat) || burnedSeat == seat)) mode = 1;
  if (mode == 2 && burnedSeat == OppositeSeat(seat)) mode = 1;
  if (mode == 2 && (!burner.BurnRight || g.TablePlay.BigJokers > 0)) mode = 1;

  if (mode == 1) {
    g.Msg("游戏暂停,单击[确定]继续", Host::Buttons::Ok);
    return false;
  }
  const Host::Answer answer = g.Msg("您要烧牌吗?", Host::Buttons::YesNo, Host::Icon::Question);
  RecordAction(g, AnswerAction(seat, answer == Host::Answer::Yes));
  EndBurnWait(g);
  if (answer != Host::Answer::Yes) return false;
  // The turn cycle may have moved on while the question was open.
  if (g.TablePlay.Seat != burnedSeat || g.Burn.BurnerSeat != 0) return false;
  ConfirmBurn(g, seat, burnedSeat);
  return true;
}

void BurnWait(Game& g, bool afterLead) {
  const int human = g.HumanSeat;
  const SeatRecord& seat = g.Seats[human];
  const PlayRecord& table = g.TablePlay;
  g.Burn.BurnOfferMode = 1;
  const bool laidNow = afterLead || table.Seat == g.CurrentSeat;
  if (IsZundaPlay(table) && laidNow && !seat.Passed) {
    g.Burn.BurnOfferMode = 2;
    const bool offered = ActiveSeats(g) >= 5 && seat.BurnRight && !seat.Finished &&
                         IsSeat(table.Seat) && table.Seat != human &&
                         !g.Seats[table.Seat].OppositeOut && table.BigJokers == 0 &&
                         table.Seat != OppositeSeat(human) && !CannotBeat(g, human);
    if (offered) {
      Button& decline = g.Win.CmdNotSP;
      decline.ToolTipText = "这么小的牌,不值得我烧牌";
      ShowAndFocus(g, decline);
      ShowPrompt(g, "等您烧牌呢！如果不烧请过牌。");
      Delay(g, g.DelayTimeShaoPai);
      HideButton(decline);
    }
  }
  if (afterLead) g.Burn.BurnOfferMode = NextActiveSeat(g, g.CurrentSeat) != human ? 1 : 0;
}

void DeclineBurn(Game& g) {
  g.Guard([&] { PostAction(g, ActionKind::DeclineBurn); });
}

void DeclineBurnOffer(Game& g) {
  // Declining only ends the wait; the step that opened it goes on as if it had run out.
  RecordAction(g, SimpleAction(RecordedKind::DeclineBurn, g.HumanSeat));
  ShowPrompt(g, "");
  EndBurnWait(g);
  HideButton(g.Win.CmdNotSP);
}

void MnuForcePauseClick(Game& g) {
  g.Guard([&] { PostAction(g, ActionKind::OfferBurn); });
}

bool JokerObligationRefuses(const Game& g) {
  const int human = g.HumanSeat;
  const SeatRecord& seat = g.Seats[human];
  if (!seat.Burned || g.Burn.BurnBeaten) return false;
  if (SelectedBigJokers(g, human) + SelectedSmallJokers(g, human) > 0) return false;
  return SelectedCount(g, human) < seat.CardCount;
}

void BurnBeaten(Game& g, int layingSeat) {
  const int overtaken = g.TablePlay.Seat;
  if (IsSeat(overtaken) && overtaken != layingSeat && g.Seats[overtaken].Burned) {
    g.Seats[overtaken].Burned = false;
    g.Burn.BurnBeaten = true;
    HideButton(g.Win.CmdShaoHuLe);
    g.Burn.BurnerSeat = 0;
    g.Burn.BurnedSeat = 0;
  }
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (seat != layingSeat) g.Seats[seat].Burned = false;
  }
  // The button is the human's: another seat's play ends the human's burn.
  if (layingSeat != g.HumanSeat) HideButton(g.Win.CmdShaoHuLe);
  if (g.Seats[layingSeat].Burned) g.Burn.BurnBeaten = false;
}

}  // namespace zunda

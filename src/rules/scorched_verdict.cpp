#include <string>
#include <string_view>

#include "core/action.h"
#include "core/display.h"
#include "core/game.h"
#include "core/label_looks.h"
#include "core/seats.h"
#include "core/text.h"
#include "rules/burning.h"
#include "rules/command_buttons.h"
#include "rules/finishing.h"
#include "rules/scorched_hook.h"

namespace zunda {

namespace {}  // namespace

bool ScorchedVerdict(Game& g, int seat, bool byButton) {
  SeatRecord& scorched = g.Seats[seat];
  // A seat is judged once; a second press of the button changes nothing.
  if (scorched.Scorched) return false;

  scorched.Scorched = true;
  g.Flow.RoundOver = true;
  scorched.Place = kSeats - g.Burn.ScorchedCounter;
  ++g.Burn.ScorchedCounter;
  const std::string title = TitleOf(scorched.Place);
  const std::string name = Trim(scorched.Name);

  ShowPrompt(g, "哈哈,您烧糊了!恭喜您成为" + title);
  AddEventLine(g, scorched.Name, "烧糊了!被判为:" + title);
  SetOutLook(g, seat);
  Label& label = g.Win.LblName[seat];
  label.Caption = name + "-烧糊了";
  label.ToolTipText = "烧糊了,被判为" + title;

  // The burn ends with the verdict, so the turn cycle never hands the scorched seat a turn.
  scorched.Burned = false;
  if (g.Burn.BurnerSeat == seat) g.Burn.BurnerSeat = 0;

  SeatFinished(g, seat);
  scorched.Finished = true;
  g.Seats[OppositeSeat(seat)].OppositeOut = true;

  // The lead goes to the burned seat, or on from it when that seat has gone out meanwhile.
  int lead = g.Burn.BurnedSeat;
  if (lead >= 1 && lead <= kSeats) {
    if (!InPlay(g, lead)) lead = NextActiveSeat(g, lead);
    g.Burn.BurnedSeat = lead;
    g.LeadSeat = lead;
    AddEventLine(g, g.Seats[lead].Name, "被判定获得发牌权");
  }

  if (!byButton) return false;
  g.Flow.HumanCommitted = true;
  HideButton(g.Win.CmdPass);
  HideButton(g.Win.CmdSend);
  HideButton(g.Win.CmdReturn);
  HideButton(g.Win.CmdShaoHuLe);
  ShowPrompt(g, "");
  return true;
}

void CmdShaoHuLeClick(Game& g) {
  g.Guard([&] { PostAction(g, ActionKind::Scorch); });
}

void AutoScorchedVerdict(Game& g, int seat) {
  const SeatRecord& burner = g.Seats[seat];
  if (!burner.Burned || burner.Scorched) return;
  if (burner.JokerCount > burner.SetCount - 2) return;
  g.Msg("嘿嘿,数一数您手里的大小鬼数量,是不是烧糊了?");
  ScorchedVerdict(g, seat, false);
}

}  // namespace zunda

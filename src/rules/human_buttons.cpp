#include <string>

#include "core/action.h"
#include "core/display.h"
#include "core/game.h"
#include "core/seats.h"
#include "rules/command_buttons.h"
#include "rules/hand_display.h"
#include "rules/human_input.h"
#include "rules/human_prompts.h"
#include "rules/play_rules.h"
#include "rules/tribute.h"

namespace zunda {

namespace {

// The first of the two seats after the human that is still in play and whose opposite seat
// has gone out; 0 when neither is.
int SeatAfterHumanWithOppositeOut(const Game& g) {
  const int first = NextSeat(g.HumanSeat);
  const int second = NextSeat(first);
  for (int seat : {first, second}) {
    if (InPlay(g, seat) && g.Seats[seat].OppositeOut) return seat;
  }
  return 0;
}

// Whether declining now confirms, folds or passes decides the pass button's look.
void PreparePassButton(Game& g) {
  Button& pass = g.Win.CmdPass;
  const bool zunda = IsZundaPlay(g.TablePlay);
  const bool crowded = ActiveSeats(g) >= 5;
  const int watched = SeatAfterHumanWithOppositeOut(g);
  const std::string icons = g.AppPath + g.DataDir;
  g.Input.PassConfirms = (zunda && crowded && watched == 0) || g.Flow.FoldInForce;
  if (g.Input.PassConfirms) {
    pass.ToolTipText = kPassConfirmsTip;
    pass.Picture = icons + "\\capit.ico";
  } else if (zunda && crowded && g.Seats[watched].Passed) {
    pass.ToolTipText = "扣牌";
    pass.Picture = icons + "\\capit.ico";
  } else {
    pass.ToolTipText = "过牌";
    pass.Picture = icons + "\\pass.ico";
  }
}

}  // namespace

void CmdSendClick(Game& g) {
  g.Guard([&] {
    if (!HumanAwaited(g)) {
      ShowPrompt(g, kPromptNotYourTurn);
      return;
    }
    for (int slot = 1; slot <= kHandSlots; ++slot) {
      if (HandSlotRaised(g, slot)) {
        PlayClick(g, slot);
        return;
      }
    }
  });
}

void CmdPassClick(Game& g) {
  g.Guard([&] {
    // A pass outside the human's turn would act for the seat now playing.
    if (!HumanAwaited(g)) return;
    PostAction(g, ActionKind::Pass);
  });
}

void HumanPass(Game& g) {
  g.Flow.HumanPassed = true;
  ShowPrompt(g, "");
  HideButton(g.Win.CmdPass);
  g.Seats[g.HumanSeat].Burned = false;
}

void CmdReturnClick(Game& g) {
  g.Guard([&] {
    const int human = g.HumanSeat;
    RecordAction(g, SimpleAction(RecordedKind::Withdraw, human));
    SeatRecord& seat = g.Seats[human];
    ClearSelection(g);
    HideButton(g.Win.CmdReturn);
    HideButton(g.Win.CmdSend);
    HideButton(g.Win.CmdHG);
    const bool leads = g.LeadSeat == human;
    if (leads) HideButton(g.Win.CmdPass);
    const bool leadsOverSmallPlay = leads && !IsZundaPlay(g.TablePlay);
    if (HumanAwaited(g) && !ReturnChoiceOpen(g) && !seat.Burned && !leadsOverSmallPlay) {
      ShowAndFocus(g, g.Win.CmdPass);
    }
    for (int slot = 1; slot <= kHandSlots; ++slot) {
      if (HandSlotRaised(g, slot)) LowerHandSlot(g, slot);
    }
    seat.OnTurn = true;
  });
}

bool PromptForHuman(Game& g) {
  const int human = g.HumanSeat;
  const SeatRecord& seat = g.Seats[human];
  const bool currentBurns = g.Seats[g.CurrentSeat].Burned;
  const bool cannotBeat = CannotBeat(g, human);

  if (!g.Burn.BurnerTurnTaken) {
    PreparePassButton(g);
    if (!currentBurns && !cannotBeat) ShowAndFocus(g, g.Win.CmdPass);
  }

  const bool out = seat.Finished || seat.Scorched;
  if (out) {
    ShowPrompt(g, " 请扣牌 ");
  } else if (currentBurns) {
    ShowPrompt(g, " 您已经烧牌 ");
  } else if (IsZundaPlay(g.TablePlay) || g.Flow.FoldInForce) {
    ShowPrompt(g, " 请选择一手牌或扣牌 ");
  } else {
    ShowPrompt(g, " 请选择一手牌或过牌 ");
  }

  g.Flow.HumanCommitted = false;
  g.Flow.HumanPassed = out;
  g.Flow.LeadMode = false;

  if (cannotBeat) {
    g.Flow.WaitHuman = false;
    AddEventLine(g, seat.Name, "自动过牌");
    HumanPass(g);
  } else {
    g.Flow.WaitHuman = true;
  }
  return cannotBeat;
}

}  // namespace zunda

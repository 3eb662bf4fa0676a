#include <string>

#include "core/action.h"
#include "core/display.h"
#include "core/game.h"
#include "core/scoped_flag.h"
#include "core/seats.h"
#include "rules/answer_rule.h"
#include "rules/burning.h"
#include "rules/command_buttons.h"
#include "rules/commit_selection.h"
#include "rules/hand_display.h"
#include "rules/human_input.h"
#include "rules/human_prompts.h"
#include "rules/play_rules.h"
#include "rules/tribute.h"

namespace zunda {

namespace {

// Slots are ordered from the highest rank down, so the highest-numbered raised slot holds the
// lowest raised rank. 0 when nothing is raised.
int LowestRaisedRank(const Game& g) {
  for (int slot = kHandSlots; slot >= 1; --slot) {
    if (HandSlotRaised(g, slot)) return HandSlotRank(g, slot);
  }
  return 0;
}

// The play button is offered exactly while the raised cards may be played.
void UpdateSendButton(Game& g) {
  if (IsAnswer(g) && !JokerObligationRefuses(g)) {
    ShowAndFocus(g, g.Win.CmdSend);
  } else {
    HideButton(g.Win.CmdSend);
  }
}

// Out of turn a right click may only put back a card left raised; it gives no turn and
// offers no button that would act for the human while another seat is playing.
void LowerOutOfTurn(Game& g, int index) {
  LowerHandSlot(g, index);
  if (AnyHandSlotRaised(g)) return;
  HideButton(g.Win.CmdReturn);
  HideButton(g.Win.CmdSend);
  ClearSelection(g);
}

}  // namespace

bool HumanAwaited(const Game& g) {
  const int human = g.HumanSeat;
  return g.Flow.WaitHuman && g.CurrentSeat == human && g.Seats[human].OnTurn;
}

void ImgHandMouseUp(Game& g, int index, MouseButton button, int /*shift*/) {
  g.Guard([&] {
    const int human = g.HumanSeat;
    const PlayRecord& table = g.TablePlay;
    if (g.Input.MouseBusy || table.Seat == human) return;
    // While another seat's hand is peeked at, the cards shown are not the human's.
    if (g.Input.PeekShown || !HandSlotHoldsCard(g, index)) return;
    // A click that arrives while a message box of this one is open is ignored.
    const ScopedFlag busy(g.Input.MouseBusy);

    // On the human's own turn a burnable play is simply answered.
    if (!HumanAwaited(g) && BurnConditionsHold(g)) {
      PostAction(g, ActionKind::OfferBurn);
      return;
    }
    if (ReturnChoiceOpen(g)) {
      ReturnTributeClick(g, index);
      return;
    }
    if (g.BigJokerOnTable && table.Seat != human) {
      const bool byOpposite = table.Seat >= 1 && OppositeSeat(table.Seat) == human;
      ShowPrompt(g,
                 byOpposite ? " 对门挂了大虎,不劳您出牌了,扣牌吧 " : " 人家挂了大虎,您无权烧牌了 ");
      return;
    }
    if (!HumanAwaited(g)) {
      if (button != MouseButton::Left && HandSlotRaised(g, index)) {
        LowerOutOfTurn(g, index);
      } else {
        ShowPrompt(g, kPromptNotYourTurn);
      }
      return;
    }
    if (button == MouseButton::Left) {
      PlayClick(g, index);
    } else {
      SplitClick(g, index);
    }
  });
}

bool PlayClick(Game& g, int index) {
  const int human = g.HumanSeat;
  SeatRecord& seat = g.Seats[human];
  const PlayRecord& table = g.TablePlay;
  const int rank = HandSlotRank(g, index);

  if (seat.Scorched) {
    ShowPrompt(g, "您已经烧糊了，无权再出牌！");
    return false;
  }
  if (!g.Flow.DelayDone) {
    ShowPrompt(g, " 请等会儿再出牌! ");
    return false;
  }
  ClearSelection(g);
  if (table.Total > 0 && rank <= table.BaseRank) {
    ShowPrompt(g, " 牌点太小! ");
    return false;
  }
  const bool anyRaised = AnyHandSlotRaised(g);
  if (anyRaised && !HandSlotRaised(g, index)) {
    SplitClick(g, index);
    return false;
  }
  if (rank < kTwo && anyRaised) HideButton(g.Win.CmdPass);

  if (!HandSlotRaised(g, index)) {
    // The first click selects; the turn cycle stays stopped while the human decides.
    ShowAndFocus(g, g.Win.CmdReturn);
    PostAction(g, ActionKind::HoldTurn);
    SelectSet(g, index);
    seat.OnTurn = true;
    return false;
  }

  const int count = SelectedCount(g, human);
  // The same test that offers the play button, made on the cards rather than on the button.
  const bool matchesTable = count == table.Total && IsAnswer(g) && !JokerObligationRefuses(g);
  if (!matchesTable && g.LeadSeat != human) {
    ShowPrompt(g, "请检查选择的牌是否合适?");
    seat.OnTurn = true;
    return false;
  }
  if (JokerObligationRefuses(g)) {
    ShowPrompt(g, kPromptJokerObligation);
    HideButton(g.Win.CmdSend);
    return false;
  }
  if (!SelectionMayBeLaid(g)) return false;
  PostAction(g, ActionKind::Play);
  return true;
}

void SelectSet(Game& g, int index) {
  const int human = g.HumanSeat;
  const int rank = HandSlotRank(g, index);
  const HandBucket& bucket = g.Hand[human][rank];
  const int held = bucket.Count;
  PlayRecord& selection = g.Selection;

  if (rank < kTwo) {
    selection.BaseRank = rank;
    selection.BaseCount = held;
    for (int i = 1; i <= held; ++i)
      selection.BaseCodes[i] = bucket.Codes[i];
  } else if (rank == kTwo) {
    selection.TwoCount = held;
    for (int i = 1; i <= held; ++i)
      selection.TwoCodes[i] = bucket.Codes[i];
  } else if (rank == kSmallJoker) {
    selection.SmallJokers = held;
  } else {
    selection.BigJokers = held;
  }
  selection.Total =
      selection.BaseCount + selection.TwoCount + selection.SmallJokers + selection.BigJokers;
  HideButton(g.Win.CmdPass);

  if (rank >= kSmallJoker) {
    RaiseHandSlot(g, index);
  } else {
    // A set larger than the table play is cut to its size, keeping the last cards.
    const int tableTotal = g.TablePlay.Total;
    const int limit = tableTotal > 0 && tableTotal < held ? tableTotal : held;
    int raised = 0;
    for (int slot = kHandSlots; slot >= 1 && raised < limit; --slot) {
      if (HandSlotHoldsCard(g, slot) && HandSlotRank(g, slot) == rank) {
        RaiseHandSlot(g, slot);
        ++raised;
      }
    }
  }
  UpdateSendButton(g);
}

void SplitClick(Game& g, int index) {
  const int human = g.HumanSeat;
  SeatRecord& seat = g.Seats[human];
  const PlayRecord& table = g.TablePlay;
  const int rank = HandSlotRank(g, index);

  seat.OnTurn = true;
  if (rank <= table.BaseRank) {
    ShowPrompt(g, kPromptInvalidCard);
    return;
  }
  ShowPrompt(g, "请选择一手牌或过牌");
  const int lowestRaised = LowestRaisedRank(g);

  if (lowestRaised == 0) {
    HideButton(g.Win.CmdPass);
    RaiseHandSlot(g, index);
  } else if (HandSlotRaised(g, index)) {
    LowerHandSlot(g, index);
    if (AnyHandSlotRaised(g)) {
      HideButton(g.Win.CmdPass);
    } else {
      if (g.LeadSeat != human && !seat.Burned && !CannotBeat(g, human)) {
        ShowAndFocus(g, g.Win.CmdPass);
      }
      HideButton(g.Win.CmdSend);
      ClearSelection(g);
    }
  } else if (rank == lowestRaised) {
    RaiseHandSlot(g, index);
  } else if (lowestRaised < kTwo) {
    // Two ordinary ranks never go together.
    ShowPrompt(g, kPromptInvalidCard);
    return;
  } else {
    // Only twos and jokers are raised: the clicked rank becomes the base and is filled up to
    // the size of the table play.
    RaiseHandSlot(g, index);
    for (int slot = 1; slot <= kHandSlots && SelectedCount(g, human) < table.Total; ++slot) {
      if (!HandSlotRaised(g, slot) && HandSlotHoldsCard(g, slot) && HandSlotRank(g, slot) == rank) {
        RaiseHandSlot(g, slot);
      }
    }
  }

  if (AnyHandSlotRaised(g)) {
    ShowButton(g.Win.CmdReturn);
  } else {
    HideButton(g.Win.CmdReturn);
  }
  const bool answeringOthers =
      ActiveSeats(g) >= 5 && InPlay(g, human) && table.Seat != 0 && table.Seat != human;
  if (seat.Burned || (g.LeadSeat == human && !answeringOthers)) {
    HideButton(g.Win.CmdPass);
  } else if (!CannotBeat(g, human)) {
    ShowAndFocus(g, g.Win.CmdPass);
  }
  UpdateSendButton(g);
}

}  // namespace zunda

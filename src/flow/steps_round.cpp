// The round-level steps of the turn cycle: leads, answers, the going-out checks and the end
// of a round.
#include <string>

#include "core/display.h"
#include "core/game.h"
#include "core/seats.h"
#include "core/table_display.h"
#include "core/text.h"
#include "flow/hand_storage.h"
#include "flow/new_round.h"
#include "flow/responder.h"
#include "flow/steps.h"
#include "flow/turn_cycle.h"
#include "players/answer_choice.h"
#include "players/decision_observer.h"
#include "players/execute_play.h"
#include "players/hand_analysis.h"
#include "players/lead_choice.h"
#include "rules/burning.h"
#include "rules/finishing.h"
#include "rules/human_input.h"
#include "rules/play_rules.h"

namespace zunda {

namespace {

void MarkOnTurn(Game& g, int seat) {
  for (int s = 1; s <= kSeats; ++s)
    g.Seats[s].OnTurn = s == seat;
}

bool IsHuman(const Game& g, int seat) {
  return seat == g.HumanSeat;
}

// A seat whose lead would fall to it after it went out hands the lead on.
void PassLeadFromSeatOut(Game& g) {
  if (g.LeadSeat == 0 || InPlay(g, g.LeadSeat)) return;
  const int gone = g.LeadSeat;
  g.LeadSeat = NextActiveSeat(g, gone);
  AddEventLine(g, g.Seats[g.LeadSeat].Name, "接受“" + Trim(g.Seats[gone].Name) + "”的留封");
}

// The going-out rules for a seat whose last play has just been laid: its place, then a triple
// capture or the last seat's place. True when that ended the hand (the next state is set).
bool SettleIfJustOut(Game& g, int seat) {
  if (g.Seats[seat].CardCount != 0 || g.Seats[seat].Shade == SeatShade::Out) return false;
  SeatFinished(g, seat);
  if (SettleAfterGoingOut(g, seat) == GoingOutResult::HandGoesOn) return false;
  g.Flow.HandOver = true;
  g.Flow.RoundOver = true;
  g.Flow.NextInterval = RoundEndInterval(g);
  g.MainCourse = TurnStep::EndRound;
  return true;
}

// A computer seat's lead or answer, told to the game's observer when one watches.
template <typename Choose>
void Decide(Game& g, DecisionKind kind, Choose&& choose) {
  const int seat = g.CurrentSeat;
  DecisionObserver* const observer = g.Decisions;
  if (observer == nullptr) {
    choose(g, seat);
    return;
  }
  observer->BeforeDecision(g, kind, seat);
  choose(g, seat);
  observer->AfterDecision(g, kind, seat);
}

}  // namespace

double RoundEndInterval(const Game& g) {
  const int human = g.HumanSeat;
  const int tableSeat = g.TablePlay.Seat;
  const bool byHuman = tableSeat == human;
  const bool byOppositeWithoutBigJoker =
      tableSeat == OppositeSeat(human) && g.TablePlay.BigJokers == 0;
  if (InPlay(g, human) && ActiveSeats(g) > 4 && !byHuman && !byOppositeWithoutBigJoker) {
    return KouInterval(g);
  }
  return ShunInterval(g);
}

namespace steps {

void StartRound(Game& g) {
  AddEventLine(g, "", "");
  AssessSeats(g);
  g.MainCourse = TurnStep::SetUpLead;
}

void SetUpLead(Game& g) {
  g.Burn.BurnOfferMode = 1;
  ClearSelection(g);
  ClearTablePlay(g);
  ClearPrevTablePlay(g);
  // A lead never falls to a seat that has left the hand.
  PassLeadFromSeatOut(g);
  g.CurrentSeat = g.LeadSeat;
  MarkOnTurn(g, g.CurrentSeat);
  for (int seat = 1; seat <= kSeats; ++seat) {
    g.Seats[seat].Passed = false;
    g.Seats[seat].Folded = false;
  }
  g.MainCourse = IsHuman(g, g.CurrentSeat) ? TurnStep::HumanLead : TurnStep::ComputerLead;
}

void HumanLead(Game& g) {
  ShowPrompt(g, " 请选择一手牌发出 ");
  g.Flow.HumanCommitted = false;
  g.Flow.LeadMode = true;
  g.Flow.WaitHuman = true;
}

void HumanLed(Game& g) {
  g.Flow.NextInterval = ShunInterval(g);
  g.Flow.WaitHuman = false;
  g.Flow.LeadMode = false;
  const bool scorched = g.Seats[g.HumanSeat].Scorched;
  g.MainCourse = (scorched || g.Flow.StopRequested) ? TurnStep::AfterLead : TurnStep::ExecuteLead;
}

void ComputerLead(Game& g) {
  g.Flow.NextInterval = ShunInterval(g);
  Decide(g, DecisionKind::Lead, ChooseLead);
  g.MainCourse = TurnStep::ExecuteLead;
}

void ExecuteLead(Game& g) {
  ExecutePlay(g, g.CurrentSeat);
  BurnWait(g, /*afterLead=*/true);
  // The human may have burned during the offer; that state stands.
  const bool humanBurned = g.MainCourse == TurnStep::HumanAnswered && g.Seats[g.HumanSeat].Burned;
  if (!humanBurned) g.MainCourse = TurnStep::AfterLead;
}

void AfterLead(Game& g) {
  AssessSeats(g);
  RecordRunData(g);  // the silent snapshot ring, when the option is on
  g.MainCourse = TurnStep::AfterPlay;
}

void AfterPlay(Game& g) {
  FlowState& flow = g.Flow;
  const int current = g.CurrentSeat;
  SeatRecord& seat = g.Seats[current];
  flow.RoundOver = g.TablePlay.BigJokers > 0;
  if (seat.CardCount < 0) {
    g.Msg("Err:剩牌张数(" + std::to_string(current) + ")  =" + std::to_string(seat.CardCount));
  }
  if (g.TablePlay.Seat == current && seat.Scorched) {
    // The verdict on this play put its seat out of the hand, ended the round and gave the lead
    // to the burned seat: nobody answers it, and the lead stands as the verdict set it.
    flow.RoundOver = true;
    g.CurrentSeat = g.LeadSeat;
    MarkOnTurn(g, g.CurrentSeat);
    flow.NextInterval = RoundEndInterval(g);
    g.MainCourse = TurnStep::EndRound;
    return;
  }
  if (SettleIfJustOut(g, current)) return;

  NextResponder(g, current);
  const int tableSeat = g.TablePlay.Seat;
  if (g.TablePlay.BigJokers == 0 && g.CurrentSeat != 0 && g.CurrentSeat != tableSeat) {
    flow.RoundOver = false;
    g.Burn.BurnerTurnTaken = false;
    flow.NextInterval = ShunInterval(g);
    g.MainCourse = TurnStep::SetUpResponder;
    return;
  }
  flow.RoundOver = true;
  if (g.CurrentSeat == 0) {
    g.CurrentSeat = tableSeat;
    if (g.Seats[tableSeat].CardCount == 0) g.CurrentSeat = NextActiveSeat(g, tableSeat);
  }
  const int previousLead = g.LeadSeat;
  if (previousLead != 0 && previousLead != g.CurrentSeat && g.Seats[previousLead].Finished &&
      !g.Seats[g.CurrentSeat].Finished) {
    AnnounceLeaveSeal(g, g.CurrentSeat, tableSeat);
  }
  g.LeadSeat = g.CurrentSeat;
  MarkOnTurn(g, g.CurrentSeat);
  flow.FoldInForce = true;
  g.MainCourse = TurnStep::CloseAnswer;
}

void SetUpResponder(Game& g) {
  g.Flow.RoundOver = false;
  const int current = g.CurrentSeat;
  const int previous = PrevSeat(current);
  if (ActiveSeats(g) == 5 && g.Seats[current].OppositeOut && previous != g.TablePlay.Seat &&
      previous != current && InPlay(g, previous)) {
    g.Seats[previous].Passed = true;
    ShadePassedLabel(g, previous);
  }
  ClearSelection(g);
  ShowPrompt(g, "");
  g.MainCourse = IsHuman(g, current) ? TurnStep::HumanResponse : TurnStep::ComputerResponse;
}

void HumanResponse(Game& g) {
  g.Flow.TableBeforeHuman = g.TablePlay;
  if (PromptForHuman(g)) {
    g.MainCourse = TurnStep::HumanAnswered;
    ResumeTurnCycle(g);
  }
}

void HumanAnswered(Game& g) {
  BurnState& burn = g.Burn;
  g.Flow.WaitHuman = false;
  if (g.Flow.LeadMode) {
    // A lead played with a second click on the raised cards goes the way of the play button.
    HumanLed(g);
    return;
  }
  if (burn.BurnerSeat != 0 && !burn.BurnerTurnTaken) {
    // The burned play may have been the seat's last cards; the turn leaves that seat here, so
    // it goes out now, not never.
    if (SettleIfJustOut(g, g.CurrentSeat)) return;
    g.CurrentSeat = burn.BurnerSeat;
    MarkOnTurn(g, g.CurrentSeat);
    burn.BurnerTurnTaken = true;
    g.Flow.NextInterval = ShunInterval(g);
    g.MainCourse = TurnStep::SetUpResponder;
    return;
  }
  g.MainCourse = TurnStep::ApplyAnswer;
}

void ComputerResponse(Game& g) {
  ClearSelection(g);
  Decide(g, DecisionKind::Answer, ChooseAnswer);
  g.MainCourse = TurnStep::ApplyAnswer;
}

void ApplyAnswer(Game& g) {
  FlowState& flow = g.Flow;
  BurnState& burn = g.Burn;
  const int current = g.CurrentSeat;
  const bool hadPassed = g.Seats[current].Passed;
  const int active = ActiveSeats(g);

  // Seats jumped over by a Zunda play that the seat before them let pass fold as well.
  const int prevSeat = g.PrevTablePlay.Seat;
  if (!burn.BurnerTurnTaken && IsZundaPlay(g.PrevTablePlay) && active >= 5 && prevSeat != 0 &&
      !g.Seats[prevSeat].OppositeOut) {
    int seat = prevSeat;
    for (int step = 0; step < kSeats; ++step) {
      seat = NextSeat(seat);
      const SeatRecord& s = g.Seats[seat];
      if (InPlay(g, seat) && !s.OppositeOut && g.Seats[NextSeat(seat)].Passed) {
        g.Seats[seat].Passed = true;
        g.Seats[seat].Folded = true;
        ShadePassedLabel(g, seat);
        HideTableRow(g, seat);
      }
    }
  }

  const bool played = IsHuman(g, current) ? flow.HumanCommitted : g.Selection.Total > 0;
  if (played) {
    const int tableSeat = g.TablePlay.Seat;
    if (tableSeat != 0 && tableSeat != current && g.Seats[tableSeat].Burned) {
      g.Seats[tableSeat].Burned = false;
      g.Win.CmdShaoHuLe.Visible = false;
      burn.BurnerSeat = 0;
      burn.BurnedSeat = 0;
      burn.BurnBeaten = true;
    }
    g.PrevTablePlay = IsHuman(g, current) ? flow.TableBeforeHuman : g.TablePlay;
    g.TablePlay = g.Selection;
    g.TablePlay.Seat = current;
    g.TablePlay.Tag = TeamLetter(current);
    for (int seat = 1; seat <= kSeats; ++seat) {
      if (seat != current && g.Seats[seat].Burned) {
        g.Seats[seat].Burned = false;
        g.Win.CmdShaoHuLe.Visible = false;
      }
    }
    if (g.Seats[current].Burned) burn.BurnBeaten = false;
    flow.HumanCommitted = false;
    ExecutePlay(g, current);
  } else if (InPlay(g, current)) {
    ShadePassedLabel(g, current);
    HideTableRow(g, current);
    // The human's pass has its line from the button, an automatic one from the prompt.
    if (!IsHuman(g, current)) AddEventLine(g, g.Seats[current].Name, kPassLine);
  }
  flow.LastActionWasPass = !played;

  g.MainCourse = TurnStep::ApplyAnswer;
  BurnWait(g, /*afterLead=*/false);
  const bool humanBurned = g.MainCourse == TurnStep::HumanAnswered && g.Seats[g.HumanSeat].Burned;
  g.Win.CmdPass.Visible = false;

  if (!played) {
    const int opposite = g.TablePlay.Seat != 0 ? OppositeSeat(g.TablePlay.Seat) : 0;
    if (hadPassed || g.Input.PassConfirms || (current != opposite && active >= 5)) {
      g.Seats[current].Passed = true;
      g.Seats[current].Folded = true;
      flow.FoldInForce = true;
    } else {
      g.Seats[current].Passed = true;
    }
  } else {
    g.Seats[OppositeSeat(current)].Folded = false;
    if (g.LeadSeat != burn.BurnedSeat) g.LeadSeat = 0;
  }
  if (!humanBurned) g.MainCourse = TurnStep::CloseAnswer;
}

void CloseAnswer(Game& g) {
  FlowState& flow = g.Flow;
  AssessSeats(g);
  const int t = g.TablePlay.Seat;
  if (t != 0) {
    const bool zunda = IsZundaPlay(g.TablePlay);
    const bool allPassed = AllOthersPassed(g, t);
    const bool allFolded = AllOthersFolded(g, t);
    const int opposite = OppositeSeat(t);
    const bool closed =
        allFolded || (ActiveSeats(g) >= 5 && flow.LastActionWasPass && !g.Seats[t].OppositeOut &&
                      g.Seats[opposite].Folded && (zunda || allPassed));
    if (closed) {
      // The play that closed the answering may have been the table player's last cards: it
      // goes out before the lead is settled, or it would be asked to lead with an empty hand.
      if (SettleIfJustOut(g, t)) return;
      ClearSelection(g);
      const int current = g.CurrentSeat;
      if (current != 0) ClearPlayCounts(g.Table.ShownPlay[current - 1]);
      if ((AllOthersShaded(g, t) && current != 0 && g.Seats[current].Folded) || flow.FoldInForce) {
        // A seat judged scorched leaves no seal: the verdict gave the lead to the burned seat.
        if (!InPlay(g, t) && !g.Seats[t].Scorched) PassLeaveSeal(g, t);
      } else if (current != 0) {
        HideTableRow(g, current);
      }
      // Once the answering is closed the round is over: the table player leads next (or,
      // when it has gone out, the seat the leave-seal passed the lead to). Without this a
      // round with four or fewer seats in play could ask the folded seats for ever.
      if (!flow.RoundOver) {
        flow.RoundOver = true;
        if (InPlay(g, t))
          g.LeadSeat = t;
        else if (g.LeadSeat == 0 || !InPlay(g, g.LeadSeat))
          g.LeadSeat = NextActiveSeat(g, t);
        g.CurrentSeat = g.LeadSeat;
      }
    }
  }
  if (flow.RoundOver) {
    flow.NextInterval = RoundEndInterval(g);
    g.MainCourse = TurnStep::EndRound;
  } else {
    flow.NextInterval = ShunInterval(g);
    g.MainCourse = TurnStep::AfterPlay;
  }
}

void EndRound(Game& g) {
  g.Burn.BurnOfferMode = 0;
  NewRound(g);
  g.MainCourse = g.Flow.HandOver ? TurnStep::EndHand : TurnStep::StartRound;
}

}  // namespace steps
}  // namespace zunda

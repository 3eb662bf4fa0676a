#include <algorithm>
#include <vector>

#include "core/action.h"
#include "core/display.h"
#include "core/game.h"
#include "core/text.h"
#include "rules/tribute.h"

namespace zunda {

namespace {

constexpr int kSlots = 10;

bool IsRaisedCard(const Image& image) {
  return image.Top == kHandRaised && image.Visible && !Trim(image.Tag).empty();
}

int RaisedCards(const Game& g) {
  int count = 0;
  for (int i = 1; i <= kHandSlots; ++i)
    count += IsRaisedCard(g.Win.ImgHand[i]) ? 1 : 0;
  return count;
}

}  // namespace

bool ReturnChoiceOpen(const Game& g) {
  return g.Tribute.WaitingForHuman && !g.Seats[g.HumanSeat].ReturnDone;
}

void ReturnTributeClick(Game& g, int index) {
  if (!ReturnChoiceOpen(g)) return;
  Image& image = g.Win.ImgHand[index];
  if (!image.Visible || Trim(image.Tag).empty()) return;
  const int wanted = g.Seats[g.HumanSeat].TributeCount;
  if (image.Top == kHandRaised) {
    image.Top = kHandLowered;
  } else if (RaisedCards(g) < wanted) {
    image.Top = kHandRaised;
  } else {
    ShowPrompt(g, "太多了！");
  }
  g.Win.CmdHG.Visible = RaisedCards(g) == wanted;
}

void CmdHGClick(Game& g) {
  g.Guard([&] {
    if (ReturnChoiceOpen(g)) PostAction(g, ActionKind::ReturnTribute);
  });
}

ReturnGiven GiveBackRaisedCards(Game& g) {
  if (!ReturnChoiceOpen(g)) return ReturnGiven::No;
  const int human = g.HumanSeat;
  SeatRecord& s = g.Seats[human];
  // The button is offered exactly while as many cards are raised as are owed.
  if (RaisedCards(g) != s.TributeCount) return ReturnGiven::No;
  s.ReturnDone = true;
  s.ReturnSlots.Fill(Card{});
  const int wanted = std::clamp(s.TributeCount, 0, kSlots);
  int filled = 0;
  for (int i = 1; i <= kHandSlots && filled < wanted; ++i) {
    const Image& image = g.Win.ImgHand[i];
    if (!IsRaisedCard(image)) continue;
    const CardCode code(image.Tag);
    s.ReturnSlots[++filled] = Card{code, code.Rank()};
  }
  std::vector<CardCode> returned;
  for (int i = 1; i <= filled; ++i)
    returned.push_back(s.ReturnSlots[i].Code);
  RecordAction(g, ReturnAction(human, returned));
  const int payer = TributePartner(g, human);
  if (payer != 0) g.Seats[payer].ReturnSlots = s.ReturnSlots;

  g.Win.CmdHG.Visible = false;
  ShowPrompt(g, "");
  g.Tribute.WaitingForHuman = false;
  if (g.Flow.StopRequested) return ReturnGiven::WhileStopping;
  FinishTribute(g);
  return ReturnGiven::Yes;
}

}  // namespace zunda

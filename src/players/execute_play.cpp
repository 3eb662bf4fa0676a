#include "players/execute_play.h"

#include <algorithm>

#include "core/display.h"
#include "core/game.h"
#include "core/label_looks.h"
#include "core/seats.h"
#include "core/table_display.h"
#include "core/text.h"
#include "players/hand_analysis.h"
#include "rules/burn_right.h"
#include "rules/hand_display.h"
#include "rules/play_rules.h"
#include "rules/scorched_hook.h"

namespace zunda {

namespace {

// Lowers a bucket by the cards played. The played cards are the last codes of the bucket
// (computer plays take whole buckets or their last cards; a human play has already moved the
// kept codes to the front), so the slots above the new count are blanked.
void TakeFromBucket(HandBucket& bucket, int count) {
  if (count == 0) return;
  bucket.Count -= count;
  // A negative count is left for the card-total check to report.
  for (int i = std::max(bucket.Count, 0) + 1; i <= decltype(bucket.Codes)::kHigh; ++i) {
    bucket.Codes[i] = CardCode();
  }
}

void TakeCardsOut(Game& g, int seat, const PlayRecord& play) {
  auto& hand = g.Hand[seat];
  if (play.BaseRank < kTwo) TakeFromBucket(hand[play.BaseRank], play.BaseCount);
  TakeFromBucket(hand[kTwo], play.TwoCount);
  TakeFromBucket(hand[kSmallJoker], play.SmallJokers);
  TakeFromBucket(hand[kBigJoker], play.BigJokers);
}

void ReopenSeat(Game& g, int seat) {
  SeatRecord& s = g.Seats[seat];
  s.Passed = false;
  s.Folded = false;
  SetInPlayLook(g, seat);
}

// One Zunda play laid over another (a burn out of turn): the seats it jumped over lose their
// turn for the round. Bounded by one lap of the table.
void MarkJumpedSeats(Game& g) {
  int s = NextActiveSeat(g, g.PrevTablePlay.Seat);
  for (int step = 0; step < kSeats && s != g.TablePlay.Seat; ++step) {
    SeatRecord& jumped = g.Seats[s];
    if (!jumped.Passed && InPlay(g, s)) {
      jumped.Passed = true;
      SetPassedOverLook(g, s);
    }
    s = NextActiveSeat(g, s);
  }
}

void AnnounceCardsLeft(Game& g, int seat) {
  const int left = CardsInHand(g, seat);
  const std::string_view name = TrimView(g.Seats[seat].Name);
  Label& label = g.Win.LblName[seat];
  if (left >= 1 && left <= 10) {
    const std::string text = "手中还有" + std::to_string(left) + "张牌";
    label.ToolTipText = text;
    label.Caption.assign(name).append(" : ").append(std::to_string(left));
    AddEventLine(g, name, text);
  } else {
    AssignIfChanged(label.ToolTipText, "不够报牌");
    AssignIfChanged(label.Caption, name);
  }
}

}  // namespace

PlayEventText::PlayEventText(const PlayRecord& play) {
  text_.AppendNumber(play.Total).Append("张 ").Append(RankLabelView(play.BaseRank));
  const bool big = play.BigJokers > 0 && play.BaseRank != kBigJoker;
  const bool small = play.SmallJokers > 0 && play.BaseRank != kSmallJoker;
  if (big || small) {
    text_.Append("(");
    if (big) text_.AppendNumber(play.BigJokers).Append("大虎");
    if (small) text_.AppendNumber(play.SmallJokers).Append("小虎");
    text_.Append(")");
  }
}

void ExecutePlay(Game& g, int seat) {
  PlayRecord& play = g.TablePlay;
  play.Total = play.BaseCount + play.TwoCount + play.SmallJokers + play.BigJokers;
  play.Seat = seat;
  play.Tag = TeamLetter(seat);

  TakeCardsOut(g, seat, play);
  if (play.BigJokers > 0) g.BigJokerOnTable = true;

  SeatRecord& me = g.Seats[seat];
  me.CardCount = CardsInHand(g, seat);
  me.SetCount = CountSets(g, seat);
  me.JokerCount = g.Hand[seat][kSmallJoker].Count + g.Hand[seat][kBigJoker].Count;

  const bool zunda = IsZundaPlay(play);
  if (zunda && IsZundaPlay(g.PrevTablePlay)) MarkJumpedSeats(g);

  UpdateBurnRight(g, seat);

  ShowPlay(g, seat, play);
  if (seat == g.HumanSeat) ShowHand(g, seat);

  AssessSeats(g);

  // The seat opposite may always answer a Zunda play.
  if (zunda) {
    const int opposite = OppositeSeat(play.Seat);
    if (InPlay(g, opposite)) ReopenSeat(g, opposite);
  }

  const PlayEventText played(play);
  const std::string_view text = played.View();
  const std::string_view name = TrimView(me.Name);
  AddEventLine(g, name, text);
  ShowPlayPrompt(g, name, text);

  SetTableRowTip(g, seat, text);
  g.Win.Frame1[seat].ToolTipText.assign(text);

  AnnounceCardsLeft(g, seat);

  // With four or fewer players left, every new play reopens the answering for everyone.
  if (ActiveSeats(g) <= 4) {
    for (int s = 1; s <= kSeats; ++s) {
      if (InPlay(g, s)) ReopenSeat(g, s);
    }
  }

  // The first wait after a play lasts as long as asked.
  g.Flow.FirstWaitPending = false;
  g.Flow.LongDelay = false;
  g.Flow.LastPlayedSeat = seat;

  CheckCardTotals(g);

  if (me.Burned && me.JokerCount <= me.SetCount - 2) AutoScorchedVerdict(g, seat);
}

}  // namespace zunda

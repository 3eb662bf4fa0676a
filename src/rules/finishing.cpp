#include "rules/finishing.h"

#include <algorithm>
#include <vector>

#include "core/display.h"
#include "core/game.h"
#include "core/label_looks.h"
#include "core/seats.h"
#include "core/table_display.h"
#include "core/text.h"

namespace zunda {

namespace {

// Six two-character titles packed in one string, as the event list and labels show them.
constexpr std::string_view kTitles = "头科二科三科四科二落大落";
constexpr std::size_t kTitleBytes = 6;  // two three-byte characters

int ScorchedSeats(const Game& g) {
  int count = 0;
  for (int seat = 1; seat <= kSeats; ++seat)
    count += g.Seats[seat].Scorched ? 1 : 0;
  return count;
}

int SeatsWithoutCards(const Game& g) {
  int count = 0;
  for (int seat = 1; seat <= kSeats; ++seat)
    count += g.Seats[seat].CardCount == 0 ? 1 : 0;
  return count;
}

// The seat's name label keeps its name and shows the title after it, on the out colour.
void MarkLabelOut(Game& g, int seat, const std::string& title) {
  SetOutLook(g, seat);
  Label& label = g.Win.LblName[seat];
  label.Caption += ": " + title;
  label.ToolTipText = title;
}

void MarkRowEmpty(Game& g, int seat) {
  g.Win.Frame1[seat].ToolTipText = kNotPlayedTip;
  SetTableRowTip(g, seat, kNotPlayedTip);
}

// A seat that leaves without going out by itself: the triple capture and the unplaced seats
// after a second scorching.
void AssignPlace(Game& g, int seat, int place, const std::string& title) {
  SeatRecord& s = g.Seats[seat];
  s.Place = place;
  g.FinishOrder[place] = seat;
  s.Finished = true;
  MarkLabelOut(g, seat, title);
  AddEventLine(g, Trim(s.Name), title);
  MarkRowEmpty(g, seat);
}

// The last seat in play has nothing left to play against: it goes out where it stands.
void FinishLastSeat(Game& g, int seat) {
  const int last = NextActiveSeat(g, seat);
  g.Seats[last].CardCount = 0;
  g.Seats[last].SetCount = 0;
  SeatFinished(g, last);
  g.Flow.HandOver = true;
}

}  // namespace

std::string TitleOf(int place) {
  if (place < 1 || place > kSeats) Fatal("Err:名次越界(" + std::to_string(place) + ")");
  return std::string(
      kTitles.substr(kTitleBytes * static_cast<std::size_t>(place - 1), kTitleBytes));
}

int TributeCountForPlace(int place) {
  if (place < 1 || place > kSeats) return 0;
  return 3 - (place <= 3 ? place : 7 - place);
}

void SeatFinished(Game& g, int seat) {
  SeatRecord& s = g.Seats[seat];
  const int remaining = kSeats - SeatsWithoutCards(g);
  g.Finish.Remaining = remaining;
  if (seat == g.HumanSeat) g.Win.CmdShaoHuLe.Visible = false;

  // A scorched seat keeps its cards, so it still counts as remaining for the seats that go
  // out after it, and they take the places above it.
  const int place = s.Scorched ? 7 - ScorchedSeats(g) : 6 - remaining;
  s.Place = place;
  g.FinishOrder[place] = seat;
  s.Finished = true;

  const bool secondScorched = s.Scorched && place == 5;
  if (place == 5) {
    g.Flow.RoundOver = true;
    g.Flow.HandOver = true;
    if (ScorchedSeats(g) == 0) {
      // The seat left in play is last; the turn cycle finishes it with its label and line.
      const int last = NextActiveSeat(g, seat);
      g.Seats[last].Place = 6;
      g.FinishOrder[6] = last;
      g.Seats[last].TributeCount = 2;
    }
  }

  s.TributeCount = TributeCountForPlace(place);
  const std::string title = TitleOf(place);
  MarkLabelOut(g, seat, g.TripleCapture ? std::string(kTripleCaptureMark) : title);
  AddEventLine(g, Trim(s.Name), title);
  const int opposite = OppositeSeat(seat);
  if (InPlay(g, opposite)) g.Seats[opposite].OppositeOut = true;
  MarkRowEmpty(g, seat);
  g.Finish.ResultTripleCapture = g.TripleCapture;

  if (secondScorched) {
    PlaceUnplacedSeats(g);
  } else if (s.Scorched && ActiveSeats(g) == 1) {
    // Nobody is left to play against the one seat still in play.
    FinishLastSeat(g, seat);
  }
}

GoingOutResult SettleAfterGoingOut(Game& g, int seat) {
  const int active = ActiveSeats(g);
  const int mate = SeatPlusTwo(seat);
  const int otherMate = SeatPlusTwo(mate);
  const auto& seats = g.Seats;
  if (active == 3 && seats[mate].Finished && seats[otherMate].Finished && !seats[seat].Scorched &&
      !seats[mate].Scorched && !seats[otherMate].Scorched) {
    g.Msg("已抓三户!");
    DeclareTripleCapture(g);
    return GoingOutResult::TripleCapture;
  }
  if (active == 1) {
    FinishLastSeat(g, seat);
    return GoingOutResult::HandEnded;
  }
  if (active == 0) {
    // Every seat already has a place (a second scorching ends the hand that way).
    g.Flow.HandOver = true;
    return GoingOutResult::HandEnded;
  }
  return GoingOutResult::HandGoesOn;
}

void DeclareTripleCapture(Game& g) {
  g.TripleCapture = true;
  g.Finish.ResultTripleCapture = true;
  for (int seat = 1; seat <= kSeats; ++seat)
    g.Seats[seat].TributeCount = 1;
  const std::string mark(kTripleCaptureMark);
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (!InPlay(g, seat)) continue;
    AssignPlace(g, seat, 7 - g.Seats[OppositeSeat(seat)].Place, mark);
  }
  g.Flow.RoundOver = true;
  g.Flow.HandOver = true;
  g.FirstHand = false;
}

void PlaceUnplacedSeats(Game& g) {
  std::vector<int> unplaced;
  Arr<bool, 1, kSeats> taken;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const SeatRecord& s = g.Seats[seat];
    if (InPlay(g, seat)) {
      unplaced.push_back(seat);
    } else if (s.Place >= 1 && s.Place <= kSeats) {
      taken[s.Place] = true;
    }
  }
  std::stable_sort(unplaced.begin(), unplaced.end(),
                   [&](int a, int b) { return g.Seats[a].CardCount < g.Seats[b].CardCount; });
  int place = 1;
  for (int seat : unplaced) {
    while (place <= kSeats && taken[place])
      ++place;
    if (place > kSeats) Fatal(std::string("Err:") + kCrashReportText + "5");
    taken[place] = true;
    g.Seats[seat].TributeCount = TributeCountForPlace(place);
    AssignPlace(g, seat, place, TitleOf(place));
  }
  g.Flow.RoundOver = true;
  g.Flow.HandOver = true;
}

}  // namespace zunda

#include "core/display.h"
#include "core/game.h"
#include "core/seats.h"
#include "core/text.h"
#include "rules/finishing.h"

namespace zunda {

namespace {
constexpr std::size_t kNameWidth = 12;
}  // namespace

void ShowFinishSummary(Game& g) {
  g.FirstHand = false;
  g.Win.ImgRGB.Visible = false;
  AddEventLine(g, "", "");
  AddEventLine(g, "", "本局已经结束,走科的顺序如下:");
  for (int place = 1; place <= kSeats; ++place) {
    const std::string title =
        place >= 4 && g.TripleCapture ? std::string(kTripleCaptureMark) : TitleOf(place);
    const int seat = g.FinishOrder[place];
    // A place nobody took (a hand cut short) shows a blank name rather than a wrong one.
    const std::string name = seat == 0 ? std::string() : g.Seats[seat].Name;
    AddEventLine(g, "", title + " : " + FixedWidth(name, kNameWidth));
  }
}

void SetTributeCounts(Game& g) {
  const bool capture = g.TripleCapture || g.Finish.ResultTripleCapture;
  for (int place = 1; place <= kSeats; ++place) {
    const int seat = g.PrevFinishOrder[place];
    if (seat == 0) continue;
    g.Seats[seat].TributeCount = capture ? 1 : TributeCountForPlace(place);
  }
}

void AnnounceLeaveSeal(Game& g, int heir, int outSeat) {
  AddEventLine(g, g.Seats[heir].Name, "接受“" + Trim(g.Seats[outSeat].Name) + "”的留封");
}

int PassLeaveSeal(Game& g, int outSeat) {
  if (ActiveSeats(g) == 0) return 0;
  const int heir = NextActiveSeat(g, outSeat);
  g.LeadSeat = heir;
  AnnounceLeaveSeal(g, heir, outSeat);
  return heir;
}

}  // namespace zunda

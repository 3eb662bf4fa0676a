#pragma once

#include <string>
#include <string_view>

namespace zunda {

struct Game;

// What the label, tool tip and summary show for the losing team after a triple capture.
inline constexpr std::string_view kTripleCaptureMark = "抓三户";

// The finishing title of place 1..6: "头科", "二科", "三科", "四科", "二落", "大落".
std::string TitleOf(int place);
// Cards a seat of the given place pays (4..6) or receives (1..3) after an ordinary hand.
int TributeCountForPlace(int place);

// Gives a seat its place the moment it goes out: the first seats out take the places from the
// top, scorched seats (flagged and placed by the scorched verdict before this call) take them
// from the bottom. Marks the seat on the table and in the event list. Taking place 5 ends the
// round and the hand.
void SeatFinished(Game& g, int seat);

enum class GoingOutResult {
  HandGoesOn,     // the round continues with the next responder
  TripleCapture,  // one team took places 1..3; the hand is over
  HandEnded,      // the last seat in play has been placed; the hand is over
};
// The two rules that follow a seat's going out, in this order: a triple capture when the seat
// and both teammates are out (none of them scorched) and three seats are left; otherwise the
// last seat in play is placed when only one is left.
GoingOutResult SettleAfterGoingOut(Game& g, int seat);

// One team took the first three places: the other team's seats take the places opposite
// their opposite seats (6 opposite 1, 5 opposite 2, 4 opposite 3) and every seat pays or
// receives one card at the next tribute.
void DeclareTripleCapture(Game& g);

// When a second seat is scorched the hand ends at once with seats still in play and no place.
// They take the free places by the cards they still hold, fewest first; seats holding as many
// cards as each other go in seat number order. Every seat then holds a distinct place 1..6.
void PlaceUnplacedSeats(Game& g);

// The end-of-hand lines of the event list: a heading and one line per place.
void ShowFinishSummary(Game& g);

// Tribute counts for the coming tribute from the previous hand's finishing order: 2, 1, 0, 0,
// 1, 2 for places 1..6, or 1 for every seat when that hand ended in a triple capture.
void SetTributeCounts(Game& g);

// The seat that made the last table play has gone out: the lead passes forward in seat order to
// the first seat still in play, which is announced as accepting the leave-seal. Returns the new
// leader (also stored in LeadSeat), or 0 when no seat is left in play.
int PassLeaveSeal(Game& g, int outSeat);
// The event line of the seat that takes over the lead from a seat that went out.
void AnnounceLeaveSeal(Game& g, int heir, int outSeat);

}  // namespace zunda

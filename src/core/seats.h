#pragma once

#include <string>

#include "core/model.h"

namespace zunda {

struct Game;

// A seat number outside 1..6: the fatal path with the seat arithmetic's texts.
[[noreturn, gnu::cold]] void BadSeat(int who);
[[noreturn, gnu::cold]] void BadTeamSeat(int who);

// Seat arithmetic round the table of six. Seats 1, 3, 5 are team "S", seats 2, 4, 6 team "N";
// the seat three places round is always an opponent. Inline: the computer players ask these
// dozens of times for every decision.
inline void CheckSeat(int who) {
  if (who < 1 || who > kSeats) [[unlikely]]
    BadSeat(who);
}
inline int NextSeat(int who) {
  CheckSeat(who);
  return who == kSeats ? 1 : who + 1;
}
inline int PrevSeat(int who) {
  CheckSeat(who);
  return who == 1 ? kSeats : who - 1;
}
inline int OppositeSeat(int who) {
  CheckSeat(who);
  return who + 3 > kSeats ? who - 3 : who + 3;
}
inline int SeatPlusTwo(int who) {
  CheckSeat(who);
  return who + 2 > kSeats ? who - 4 : who + 2;
}
inline bool IsEven(int n) {
  return n == 2 * (n / 2);
}
inline bool SameTeam(int a, int b) {
  return IsEven(a - b);
}
inline char TeamLetter(int who) {
  if (who < 1 || who > kSeats) [[unlikely]]
    BadTeamSeat(who);
  return IsEven(who) ? 'N' : 'S';
}

// The next seat round the table that is in play (InPlay, core/game.h; ActiveSeats there
// counts them).
int NextActiveSeat(Game& g, int who);
int CardsInHand(const Game& g, int seat);
int CountSets(const Game& g, int seat);

// The text several consistency checks append to their "Err:" message.
extern const char* const kCrashReportText;

}  // namespace zunda

#pragma once

#include <string>

namespace zunda {

struct Game;

// Seat arithmetic round the table of six. Seats 1, 3, 5 are team "S", seats 2, 4, 6 team "N";
// the seat three places round is always an opponent.
int NextSeat(int who);
int PrevSeat(int who);
int OppositeSeat(int who);
int SeatPlusTwo(int who);
bool SameTeam(int a, int b);
char TeamLetter(int who);
bool IsEven(int n);

// A seat is in play while it has neither finished nor been scorched.
bool InPlay(const Game& g, int seat);
int NextActiveSeat(Game& g, int who);
int ActiveSeats(const Game& g);
int CardsInHand(const Game& g, int seat);
int CountSets(const Game& g, int seat);

// The text several consistency checks append to their "Err:" message.
extern const char* const kCrashReportText;

}  // namespace zunda

#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game.h"
#include "core/seats.h"
#include "flow_setup.h"
#include "rules/finishing.h"
#include "rules/hand_display.h"
#include "rules/human_input.h"
#include "test_game.h"
#include "window_input.h"

namespace zunda::testing {

// A fresh game for a test fixture.
struct GameTest : ::testing::Test {
  TestGame t;
  Game& g = t.game;
};

// A play of `count` cards of `rank` (3..14) with twos and jokers attached, or of twos and
// jokers alone when count is 0. Codes run through the suits so that they differ.
inline PlayRecord MakePlay(int rank, int count, int twos = 0, int small = 0, int big = 0) {
  static constexpr char kSuits[] = {'C', 'D', 'H', 'S'};
  const auto code = [](int r, int i) {
    return CardCode(std::string(1, kSuits[i % 4]) + (r < 10 ? "0" : "") + std::to_string(r));
  };
  PlayRecord play;
  play.BaseRank = count > 0 ? rank : (twos > 0 ? kTwo : (small > 0 ? kSmallJoker : kBigJoker));
  play.BaseCount = count;
  for (int i = 1; i <= count; ++i)
    play.BaseCodes[i] = code(rank, i - 1);
  play.TwoCount = twos;
  for (int i = 1; i <= twos; ++i)
    play.TwoCodes[i] = code(kTwo, i - 1);
  play.SmallJokers = small;
  play.BigJokers = big;
  play.Total = count + twos + small + big;
  return play;
}

// "rank:base/twos/small/big" of a play, or "pass" for an empty one.
inline std::string Shape(const PlayRecord& play) {
  if (play.Total == 0) return "pass";
  return std::to_string(play.BaseRank) + ":" + std::to_string(play.BaseCount) + "/" +
         std::to_string(play.TwoCount) + "/" + std::to_string(play.SmallJokers) + "/" +
         std::to_string(play.BigJokers);
}

inline void Raise(Game& g, std::initializer_list<int> slots) {
  for (int slot : slots)
    g.Win.ImgHand[slot].Top = kHandRaised;
}

// The turn cycle has stopped to wait for the human's answer.
inline void AwaitHuman(Game& g) {
  g.CurrentSeat = g.HumanSeat;
  g.Seats[g.HumanSeat].OnTurn = true;
  g.Flow.WaitHuman = true;
}

inline void LayTable(Game& g, int seat, int rank, int count, int bigJokers = 0) {
  PlayRecord& table = g.TablePlay;
  table.Seat = seat;
  table.BaseRank = rank;
  table.BaseCount = rank < kTwo ? count : 0;
  table.TwoCount = rank == kTwo ? count : 0;
  table.BigJokers = bigJokers;
  table.Total = count + bigJokers;
  g.BigJokerOnTable = bigJokers > 0;
}

inline std::vector<int> SlotsOfRank(const Game& g, int rank) {
  std::vector<int> slots;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (HandSlotHoldsCard(g, slot) && HandSlotRank(g, slot) == rank) slots.push_back(slot);
  }
  return slots;
}

inline std::vector<int> RaisedSlots(const Game& g) {
  std::vector<int> slots;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (HandSlotRaised(g, slot)) slots.push_back(slot);
  }
  return slots;
}

// A click on a hand slot as the window delivers it.
inline void Click(Game& g, int slot, MouseButton button = MouseButton::Left) {
  Input(g, ImgHandMouseUp, slot, button, 0);
}

// Six seats in play with the same middling hand; a test gives the seats that matter their
// hands, lays a play and asks one seat (seat 2 unless told) for its answer.
struct AnswerTable : GameTest {
  void SetUp() override {
    for (int seat = 1; seat <= kSeats; ++seat) {
      SeatRecord& s = g.Seats[seat];
      s.Team = TeamLetter(seat);
      s.Passed = s.Folded = s.Finished = s.Scorched = false;
      s.StrongHand = s.FinishMode = false;
      s.HandScore = 0;
      SetHand(g, seat, "2x3 2x6 2x8 2xJ");
    }
  }
  // The play as laid by `seat`: its seat and team letter filled in.
  void Lay(int seat, PlayRecord play) {
    play.Seat = seat;
    play.Tag = TeamLetter(seat);
    g.TablePlay = play;
  }
  void Give(int seat, const char* hand, bool strong = false) {
    SetHand(g, seat, hand);
    g.Seats[seat].StrongHand = strong;
  }
  void Out(int seat) {
    SetHand(g, seat, "");
    g.Seats[seat].Finished = true;
  }
  std::string Answer(void (*chooser)(Game&, int), int seat = 2) {
    chooser(g, seat);
    return Shape(g.Selection);
  }
};

// A hand in progress: every seat in play with 36 cards and its plain name on its label.
inline void StartPlaying(Game& g) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    SeatRecord& s = g.Seats[seat];
    s.CardCount = 36;
    s.Finished = s.Scorched = s.OppositeOut = false;
    g.Win.LblName[seat] = Label{};
    g.Win.LblName[seat].Caption = s.Name;
  }
  g.TripleCapture = false;
}

// A seat plays its last card and the turn cycle applies the rules that follow.
inline GoingOutResult GoOut(Game& g, int seat) {
  g.Seats[seat].CardCount = 0;
  SeatFinished(g, seat);
  return SettleAfterGoingOut(g, seat);
}

// The scorched verdict: flagged and placed from the bottom, then placed by the finishing order.
inline void Scorch(Game& g, int seat) {
  g.Seats[seat].Scorched = true;
  g.Seats[seat].Place = 6 - g.Burn.ScorchedCounter++;
  SeatFinished(g, seat);
}

// The four packs dealt round the table one card at a time: seat 5 gets the small jokers and
// seat 6 the big ones.
inline void DealRoundTheTable(Game& g) {
  g.Hand = HandGrid{};
  DeckArray deck;
  BuildDeck(deck);
  for (int i = 1; i <= kDeckSize; ++i)
    GiveCards(g, (i - 1) % kSeats + 1, {deck[i].Code.Str()});
}

// The previous hand's result as the next hand sees it.
inline void SetPreviousResult(Game& g, const std::array<int, 6>& seatsByPlace) {
  for (int place = 1; place <= kSeats; ++place) {
    const int seat = seatsByPlace[static_cast<std::size_t>(place - 1)];
    g.Seats[seat].Place = place;
    g.FinishOrder[place] = g.PrevFinishOrder[place] = seat;
  }
  g.FirstHand = false;
}

inline std::vector<std::string> LastEvents(const Game& g, std::size_t n) {
  const auto& items = g.Win.LstDispEvent.Items;
  return {items.end() - static_cast<std::ptrdiff_t>(n), items.end()};
}

}  // namespace zunda::testing

#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/seats.h"
#include "hand_builder.h"
#include "play_fixtures.h"
#include "test_game.h"

namespace zunda::testing {

// "rank:base/twos/small/big" of a play, or "pass" for an empty one.
inline std::string Shape(const PlayRecord& play) {
  if (play.Total == 0) return "pass";
  return std::to_string(play.BaseRank) + ":" + std::to_string(play.BaseCount) + "/" +
         std::to_string(play.TwoCount) + "/" + std::to_string(play.SmallJokers) + "/" +
         std::to_string(play.BigJokers);
}

// Six seats in play, each with the same middling hand and no strength flags; a test gives the
// seats that matter their own hands, lays a table play and asks one seat (seat 2 unless
// told) for its answer.
struct AnswerTable : ::testing::Test {
  TestGame t;
  Game& g = t.game;

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

}  // namespace zunda::testing

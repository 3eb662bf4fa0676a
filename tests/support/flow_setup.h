#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "core/game.h"

namespace zunda::testing {

// A hand in the middle of play, ready for the turn cycle: every seat holds the cards of its
// description (hand_builder's "3x5 2x9 1xJ17" form, seat 1 first), every other card of the
// four packs counts as played, the table is clear and the next tick starts a round led by
// `leader`. The timer runs; the human's hand is on display.
void SetUpRound(Game& g, const std::array<std::string_view, 6>& hands, int leader);

// Gives every seat the cards of its description in the middle of whatever state the game is
// in, counts the rest of the packs as played and shows the human's hand.
void ReplaceHands(Game& g, const std::array<std::string_view, 6>& hands);

// A seat that has already left the hand: its cards are gone and it takes the next place.
// Call after SetUpRound, in the order the seats went out.
void GoneOut(Game& g, int seat);

// The answer a computer seat gives in place of its chooser, for tests that run the turn cycle
// up to TurnStep::ApplyAnswer: `count` cards of `rank` from the end of its bucket, with jokers
// attached.
void AnswerWith(Game& g, int seat, int rank, int count, int smallJokers = 0, int bigJokers = 0);

// A finishing order as a plain list, seat of place 1 first.
std::vector<int> Order(const Arr<int, 1, kSeats>& order);

// The lines of the event list that contain `text`.
int EventLinesWith(const Game& g, std::string_view text);

}  // namespace zunda::testing

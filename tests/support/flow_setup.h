#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game.h"

namespace zunda::testing {

// Hand builders fill the seat's buckets and dealt hand and bring its counts up to date;
// generated codes run through the suits C, D, H, S.

// Adds n cards of the rank (3..17) to what the seat holds.
void GiveCards(Game& g, int seat, int rank, int n);
// Adds the cards of the codes, in the order given within a rank.
void GiveCards(Game& g, int seat, const std::vector<std::string_view>& codes);
// Replaces a seat's hand: "3x5 2x9 1xJ17" is three 5s, two 9s and a big joker (ranks 3..10,
// J, Q, K, A, 2, J16, J17 or 11..17); "" empties it. A malformed one throws invalid_argument.
void SetHand(Game& g, int seat, std::string_view description);
// Replaces a seat's hand with the codes; the human's slots show them highest rank first.
void GiveHand(Game& g, int seat, std::vector<std::string> codes);

// A hand in mid-play: the seats hold their descriptions (seat 1 first), the rest of the packs
// counts as played, and the running timer's next tick starts a round led by `leader`.
void SetUpRound(Game& g, const std::array<std::string_view, 6>& hands, int leader);
// The same hands given in whatever state the game is in.
void ReplaceHands(Game& g, const std::array<std::string_view, 6>& hands);
// A seat that has left the hand and taken the next place; call in the order they went out.
void GoneOut(Game& g, int seat);
// A computer seat's answer put in place of its chooser's before TurnStep::ApplyAnswer.
void AnswerWith(Game& g, int seat, int rank, int count, int smallJokers = 0, int bigJokers = 0);
// A finishing order as a plain list, seat of place 1 first.
std::vector<int> Order(const Arr<int, 1, kSeats>& order);
// The lines of the event list that contain `text`.
int EventLinesWith(const Game& g, std::string_view text);

// Ticks the main timer while it is enabled, the clock moving on by its interval, until `done`
// holds (true) or maxTicks ran; `trace` gets the state each tick started from.
bool RunTicksUntil(Game& g, const std::function<bool()>& done, int maxTicks,
                   std::vector<TurnStep>* trace = nullptr);
// Runs ticks until the next tick would start from `state`.
bool RunTicksUntilState(Game& g, TurnStep state, int maxTicks,
                        std::vector<TurnStep>* trace = nullptr);
// Runs ticks while the timer runs: up to the human's turn, or the end of the game.
void RunWhileTimed(Game& g, int maxTicks = 200, std::vector<TurnStep>* trace = nullptr);
// One tick, whether or not the timer is enabled.
void Tick(Game& g);

}  // namespace zunda::testing

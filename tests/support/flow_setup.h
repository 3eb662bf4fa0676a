#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game.h"

namespace zunda::testing {

// The one way tests build hands. Every builder puts cards into the seat's buckets (and the
// dealt hand the analysis compares with) and brings CardCount, SetCount and JokerCount up to
// date. Generated codes run through the suits C, D, H, S in turn; jokers are J16 and J17.

// Adds n cards of the rank (3..17) to what the seat holds.
void GiveCards(Game& g, int seat, int rank, int n);
// Adds the cards of the codes, in the order given within a rank.
void GiveCards(Game& g, int seat, const std::vector<std::string_view>& codes);
// Replaces a seat's hand with the cards of a compact description: blank-separated items "NxR",
// N cards of rank R, where R is 3..10, J, Q, K, A, 2 (the twos), or a joker code J16 / J17;
// numeric ranks 11..17 are accepted too. "" empties the hand. Example: "3x5 2x9 1xJ17". A
// malformed description throws std::invalid_argument.
void SetHand(Game& g, int seat, std::string_view description);
// Replaces a seat's hand with the cards of the codes. For the human seat the hand slots show
// them as the hand display does: highest rank first, every slot lowered.
void GiveHand(Game& g, int seat, std::vector<std::string> codes);

// A hand in the middle of play, ready for the turn cycle: every seat holds the cards of its
// description (seat 1 first), every other card of the four packs counts as played, the table
// is clear and the next tick starts a round led by `leader`. The timer runs; the human's hand
// is on display.
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

// Fires the main timer's tick, as the window would, while the timer is enabled: the virtual
// clock moves on by the timer's interval before each tick. Stops as soon as `done` holds
// (checked before every tick) or after maxTicks ticks. True when `done` held. When `trace`
// is given, the state each tick started from is appended to it.
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

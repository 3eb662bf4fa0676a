#pragma once

#include <string>
#include <string_view>

#include "core/model.h"

namespace zunda {

struct Game;

// Where the table rows stand: laid out at kTableLaidTop, a freshly shown card appears at
// kTableShownTop and slides up by kTableSlideStep until it rests at kTableRestTop.
inline constexpr int kTableLaidTop = 130;
inline constexpr int kTableShownTop = 1320;
inline constexpr int kTableSlideStep = 240;
inline constexpr int kTableRestTop = 120;
inline constexpr int kTableImagesPerSeat = 20;
inline constexpr int kFirstCardLeft = 60;

// The tool tip of a table row while the seat has laid nothing.
inline constexpr std::string_view kNotPlayedTip = "该家没有出牌";

// Clears the whole table: every row hidden, the seat labels back to their plain names, the
// play buttons hidden, the hand slots hidden and the prompt empty.
void ResetTableDisplay(Game& g);

// Lays a play in the seat's row (jokers first, then twos, then the ordinary cards) and counts
// its cards as played. Call it exactly once per play laid.
void ShowPlay(Game& g, int seat, const PlayRecord& play);

// Hides the seat's row of table images and gives it the not-played tip.
void HideTableRow(Game& g, int seat);
// The tool tip of every image of the seat's row.
void SetTableRowTip(Game& g, int seat, std::string_view tip);
// The seat whose row holds the table image (1..120).
inline int TableRowOf(int image) {
  return (image - 1) / kTableImagesPerSeat + 1;
}

// The status-bar summary of the high cards played so far, written over `text`, reusing its
// storage.
void WritePlayedStatusText(const Game& g, std::string& text);

// The card slide. A shown card still below its resting place moves up one step; the window
// pauses briefly after each card that moved, so the row rises card by card.
bool SlideTableCard(Game& g, int image);
// One sweep over all 120 images in order, stopping early once a stop of the game has been
// requested. Returns how many cards moved; 0 means the table has come to rest.
int SlideTableCards(Game& g);

}  // namespace zunda

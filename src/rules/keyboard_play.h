#pragma once

namespace zunda {

struct Game;

// Keyboard play on the human's hand. A focus moves over the cards shown; the keys act on the
// focused card through the hand's click handler, exactly as the mouse would, so every
// selection rule and every refusal is the same.

// The focused slot, or 0 when the focus is on no card shown.
int FocusedHandSlot(const Game& g);
// Moves the focus `step` cards to the right (positive) or left (negative), stopping at the
// ends of the hand. Without a focus, a step right starts at the leftmost card and a step left
// at the rightmost.
void MoveHandFocus(Game& g, int step);
// Puts the focus on the leftmost (first) or rightmost (last) card.
void FocusHandEnd(Game& g, bool last);
// Raises or lowers the focused card alone (the right button's click).
void ToggleFocusedCard(Game& g);
// Raises the focused card's whole set (the left button's click on a lowered card); nothing on
// a raised card, where that click would play.
void SelectFocusedSet(Game& g);
// Lowers the focused card when it is raised.
void LowerFocusedCard(Game& g);

}  // namespace zunda

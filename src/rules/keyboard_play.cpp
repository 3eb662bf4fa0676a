#include "rules/keyboard_play.h"

#include "core/game.h"
#include "rules/hand_display.h"
#include "rules/human_input.h"

namespace zunda {

namespace {

// The next slot showing a card from `from` in the direction of `step`, or 0.
int NextShown(const Game& g, int from, int step) {
  for (int slot = from + step; slot >= 1 && slot <= kHandSlots; slot += step) {
    if (HandSlotHoldsCard(g, slot)) return slot;
  }
  return 0;
}

}  // namespace

int FocusedHandSlot(const Game& g) {
  const int slot = g.Extras.HandFocus;
  return slot >= 1 && slot <= kHandSlots && HandSlotHoldsCard(g, slot) ? slot : 0;
}

void MoveHandFocus(Game& g, int step) {
  if (step == 0) return;
  const int direction = step > 0 ? 1 : -1;
  int slot = FocusedHandSlot(g);
  if (slot == 0) {
    // A card played from under the focus leaves it on the nearest card in the direction asked;
    // without a focus, the walk starts at the far end.
    const int from = g.Extras.HandFocus >= 1 && g.Extras.HandFocus <= kHandSlots
                         ? g.Extras.HandFocus
                         : (direction > 0 ? 0 : kHandSlots + 1);
    slot = NextShown(g, from, direction);
    if (slot == 0) slot = NextShown(g, direction > 0 ? kHandSlots + 1 : 0, -direction);
    g.Extras.HandFocus = slot;
    step -= direction;
    if (slot == 0) return;
  }
  for (; step != 0; step -= direction) {
    const int next = NextShown(g, slot, direction);
    if (next == 0) break;
    slot = next;
  }
  g.Extras.HandFocus = slot;
}

void FocusHandEnd(Game& g, bool last) {
  g.Extras.HandFocus = NextShown(g, last ? kHandSlots + 1 : 0, last ? -1 : 1);
}

void ToggleFocusedCard(Game& g) {
  const int slot = FocusedHandSlot(g);
  if (slot != 0) ImgHandMouseUp(g, slot, MouseButton::Right, 0);
}

void SelectFocusedSet(Game& g) {
  const int slot = FocusedHandSlot(g);
  if (slot != 0 && !HandSlotRaised(g, slot)) ImgHandMouseUp(g, slot, MouseButton::Left, 0);
}

void LowerFocusedCard(Game& g) {
  const int slot = FocusedHandSlot(g);
  if (slot != 0 && HandSlotRaised(g, slot)) ImgHandMouseUp(g, slot, MouseButton::Right, 0);
}

}  // namespace zunda

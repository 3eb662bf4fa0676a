#pragma once

#include <QRectF>
#include <array>

#include "core/controls.h"

namespace zunda {

class TableGeometry;

// Where the human's cards are drawn. The window lays the hand out itself from the cards the
// images show, in slot order: the cards of one rank overlap by a step that leaves every card's
// corner readable, a wider step opens a gap before each new rank, played cards leave no hole,
// and the row is centred in the width the window has. A picked card (its slot raised) stands
// higher by the geometry's rise.
class HandLayout {
 public:
  HandLayout(const TableGeometry& geometry, const Arr<Image, 1, kHandSlots>& images);

  // The whole card of a slot; empty when the slot shows no card.
  QRectF Card(int slot) const { return cards_.at(static_cast<std::size_t>(slot)); }
  // The part of the card that the next card leaves uncovered.
  QRectF Visible(int slot) const { return visible_.at(static_cast<std::size_t>(slot)); }
  // The slot of the topmost card at a point, 0 for none.
  int SlotAt(QPointF point) const;
  // The step between two cards of one rank and between the last of one rank and the next.
  double Step() const { return step_; }
  double GroupStep() const { return groupStep_; }

 private:
  std::array<QRectF, kHandSlots + 1> cards_{};
  std::array<QRectF, kHandSlots + 1> visible_{};
  double step_ = 0;
  double groupStep_ = 0;
};

// Whether a slot shows a card (visible with a card code).
bool SlotShowsCard(const CardImage& image);

}  // namespace zunda

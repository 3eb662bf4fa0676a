#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace zunda {

// Where everything stands on the card table. Positions are worked out in the layout units of
// the control state (twips: a card step is 180, a hand card 1065 by 1440) on a fixed canvas,
// which is then scaled to the widget and centred, so the whole table grows with the window.
class TableGeometry {
 public:
  static constexpr double kCardWidth = 1065;
  static constexpr double kCardHeight = 1440;
  static constexpr double kCardStep = 180;
  // Cards laid on the table are drawn smaller than the cards in the hand.
  static constexpr double kRowScale = 0.72;
  static constexpr double kCanvasWidth = 9400;

  void SetViewSize(QSizeF size);
  double Scale() const { return scale_; }
  double CanvasHeight() const;

  // In widget coordinates:
  QRectF SeatArea(int seat) const;
  QRectF NameLabel(int seat) const;
  // The strip that shows a seat's laid cards; cards below it (still sliding) are cut off.
  QRectF SeatRow(int seat) const;
  QRectF TableCard(int seat, int left, int top) const;
  QRectF HandFrame() const;
  QRectF HandCard(int left, int top) const;
  QRectF ButtonRow() const;
  QRectF PromptBox() const;
  QPointF TurnMarker(int seat) const;
  double TurnMarkerRadius() const { return 100 * scale_; }
  // A length in layout units as widget pixels (font sizes, pen widths).
  double Px(double units) const { return units * scale_; }

 private:
  QPointF SeatOrigin(int seat) const;
  QRectF ToView(QRectF units) const;

  double scale_ = 1.0 / 15;
  QPointF offset_;
};

}  // namespace zunda

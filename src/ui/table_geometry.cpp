#include "ui/table_geometry.h"

#include <algorithm>

namespace zunda {
namespace {

constexpr double kMargin = 60;
constexpr double kLabelWidth = 2200;
constexpr double kLabelHeight = 300;
constexpr double kLabelGap = 20;
// A row holds 20 cards: first at Left 60, then one card step each, and a margin after.
constexpr double kRowWidth = (60 + 19 * TableGeometry::kCardStep + TableGeometry::kCardWidth + 60) *
                             TableGeometry::kRowScale;
// Resting cards stand at Top 120; the row is cut a little below their lower edge.
constexpr double kRowHeight = (120 + TableGeometry::kCardHeight + 80) * TableGeometry::kRowScale;
constexpr double kSeatHeight = kLabelHeight + kLabelGap + kRowHeight;
constexpr double kRowSpacing = kSeatHeight + 60;
constexpr double kButtonHeight = 380;
// The hand: 36 cards, up to 13 rank gaps of 140, lowered cards at Top 300.
constexpr double kHandWidth =
    60 + 35 * TableGeometry::kCardStep + 13 * 140 + TableGeometry::kCardWidth + 60;
constexpr double kHandHeight = 300 + TableGeometry::kCardHeight + 60;
constexpr double kButtonTop = kMargin + 4 * kRowSpacing - 60 + 40;
constexpr double kHandTop = kButtonTop + kButtonHeight + 20;
constexpr double kCanvasHeight = kHandTop + kHandHeight + 40;

}  // namespace

void TableGeometry::SetViewSize(QSizeF size) {
  scale_ = std::max(0.01, std::min(size.width() / kCanvasWidth, size.height() / kCanvasHeight));
  offset_ = QPointF((size.width() - kCanvasWidth * scale_) / 2,
                    (size.height() - kCanvasHeight * scale_) / 2);
}

double TableGeometry::CanvasHeight() const {
  return kCanvasHeight;
}

QRectF TableGeometry::ToView(QRectF units) const {
  return QRectF(offset_ + units.topLeft() * scale_, units.size() * scale_);
}

// Seat 1 sits at the bottom; the others follow round the table: 2 and 3 on the right going up,
// 4 at the top, 5 and 6 on the left coming down.
QPointF TableGeometry::SeatOrigin(int seat) const {
  const double centre = (kCanvasWidth - kRowWidth) / 2;
  const double left = kMargin;
  const double right = kCanvasWidth - kMargin - kRowWidth;
  switch (seat) {
    case 1:
      return {centre, kMargin + 3 * kRowSpacing};
    case 2:
      return {right, kMargin + 2 * kRowSpacing};
    case 3:
      return {right, kMargin + kRowSpacing};
    case 4:
      return {centre, kMargin};
    case 5:
      return {left, kMargin + kRowSpacing};
    default:
      return {left, kMargin + 2 * kRowSpacing};
  }
}

QRectF TableGeometry::SeatArea(int seat) const {
  return ToView(QRectF(SeatOrigin(seat), QSizeF(kRowWidth, kSeatHeight)));
}

QRectF TableGeometry::NameLabel(int seat) const {
  return ToView(QRectF(SeatOrigin(seat), QSizeF(kLabelWidth, kLabelHeight)));
}

QRectF TableGeometry::SeatRow(int seat) const {
  const QPointF origin = SeatOrigin(seat) + QPointF(0, kLabelHeight + kLabelGap);
  return ToView(QRectF(origin, QSizeF(kRowWidth, kRowHeight)));
}

QRectF TableGeometry::TableCard(int seat, int left, int top) const {
  const QPointF origin = SeatOrigin(seat) + QPointF(0, kLabelHeight + kLabelGap);
  return ToView(
      QRectF(origin + QPointF(left, top) * kRowScale, QSizeF(kCardWidth, kCardHeight) * kRowScale));
}

QRectF TableGeometry::HandFrame() const {
  return ToView(QRectF((kCanvasWidth - kHandWidth) / 2, kHandTop, kHandWidth, kHandHeight));
}

QRectF TableGeometry::HandCard(int left, int top) const {
  const QPointF origin((kCanvasWidth - kHandWidth) / 2, kHandTop);
  return ToView(QRectF(origin + QPointF(left, top), QSizeF(kCardWidth, kCardHeight)));
}

QRectF TableGeometry::ButtonRow() const {
  return ToView(QRectF(kMargin, kButtonTop, kCanvasWidth - 2 * kMargin, kButtonHeight));
}

QRectF TableGeometry::PromptBox() const {
  const double left = kMargin + kRowWidth + 60;
  const double width = kCanvasWidth - 2 * left;
  const double middle = kMargin + 2 * kRowSpacing - 30;
  return ToView(QRectF(left, middle - 220, width, 440));
}

QPointF TableGeometry::TurnMarker(int seat) const {
  const QPointF origin = SeatOrigin(seat);
  return ToView(QRectF(origin + QPointF(kLabelWidth + 200, kLabelHeight / 2), QSizeF())).topLeft();
}

}  // namespace zunda

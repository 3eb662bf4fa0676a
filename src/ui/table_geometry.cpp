#include "ui/table_geometry.h"

#include <algorithm>

namespace zunda {
namespace {

// A row holds 20 cards: first at Left 60, then one card step of 180 each, and a margin after.
constexpr double kRowWidthUnits = 60 + 19 * 180 + TableGeometry::kCardWidth + 60;
// Resting cards stand at Top 120; the row is cut a little below their lower edge.
constexpr double kRowHeightUnits = 120 + TableGeometry::kCardHeight + 80;
// The size the proportions below were chosen at: the client area of an 800x600 window.
constexpr double kBaseWidth = 800;
constexpr double kBaseHeight = 556;

}  // namespace

void TableGeometry::SetViewSize(QSizeF size) {
  view_ = size;
  const double w = std::max(1.0, size.width());
  const double h = std::max(1.0, size.height());
  const double relative = std::max(0.2, std::min(w / kBaseWidth, h / kBaseHeight));
  scale_ = relative / 15;
  margin_ = std::clamp(std::min(w, h) * 0.012, 3.0, 16.0);

  // The hand: a card as large as the height allows, as long as 36 cards of 15 ranks still
  // show their corners across the width.
  const double cardWidth = std::clamp(std::min(h * 0.125, (w - 2 * margin_) / 11.5), 20.0, 170.0);
  handCard_ = QSizeF(cardWidth, cardWidth * kCardAspect);
  handPad_ = std::max(2.0, margin_ * 0.5);
  const double handHeight = handCard_.height() + HandRise() + 2 * handPad_;
  hand_ = QRectF(margin_, h - margin_ - handHeight, w - 2 * margin_, handHeight);

  const double sideWidth = std::min(std::clamp(w * 0.23, 150.0, 380.0), w * 0.4);
  const double tableWidth = std::max(1.0, w - sideWidth - 3 * margin_);
  const double buttonHeight = std::clamp(relative * 27, 20.0, 46.0);
  buttons_ = QRectF(margin_, hand_.top() - margin_ * 0.5 - buttonHeight, tableWidth, buttonHeight);
  table_ =
      QRectF(margin_, margin_, tableWidth, std::max(1.0, buttons_.top() - margin_ * 0.5 - margin_));
  side_ = QRectF(table_.right() + margin_, margin_, sideWidth,
                 std::max(1.0, buttons_.bottom() - margin_));

  // Four rows of seats; each seat has its name label over its row of laid cards.
  const double rowPitch = table_.height() / 4;
  const double seatHeight = std::max(1.0, rowPitch - margin_ * 0.6);
  labelHeight_ = std::clamp(relative * 21, 12.0, 36.0);
  const double strip = std::max(1.0, seatHeight - labelHeight_ - 2);
  rowUnit_ = std::min(strip / kRowHeightUnits, tableWidth * 0.4 / kRowWidthUnits);
  seat_ = QSizeF(kRowWidthUnits * rowUnit_, seatHeight);

  const double promptLeft = table_.left() + seat_.width() + margin_;
  const double promptRight = table_.right() - seat_.width() - margin_;
  prompt_ =
      QRectF(promptLeft, table_.top() + rowPitch + margin_, std::max(1.0, promptRight - promptLeft),
             std::max(1.0, 2 * rowPitch - margin_ * 2.6));
}

// Seat 1 sits at the bottom; the others follow round the table: 2 and 3 on the right going up,
// 4 at the top, 5 and 6 on the left coming down.
QPointF TableGeometry::SeatOrigin(int seat) const {
  const double pitch = table_.height() / 4;
  const double centre = table_.center().x() - seat_.width() / 2;
  const double left = table_.left();
  const double right = table_.right() - seat_.width();
  const double top = table_.top();
  switch (seat) {
    case 1:
      return {centre, top + 3 * pitch};
    case 2:
      return {right, top + 2 * pitch};
    case 3:
      return {right, top + pitch};
    case 4:
      return {centre, top};
    case 5:
      return {left, top + pitch};
    default:
      return {left, top + 2 * pitch};
  }
}

QRectF TableGeometry::SeatArea(int seat) const {
  return {SeatOrigin(seat), seat_};
}

QRectF TableGeometry::NameLabel(int seat) const {
  return {SeatOrigin(seat), QSizeF(seat_.width() * 0.72, labelHeight_)};
}

QRectF TableGeometry::SeatRow(int seat) const {
  const QPointF origin = SeatOrigin(seat) + QPointF(0, labelHeight_ + 2);
  return {origin, QSizeF(seat_.width(), seat_.height() - labelHeight_ - 2)};
}

QRectF TableGeometry::TableCard(int seat, int left, int top) const {
  const QPointF origin = SeatRow(seat).topLeft() + QPointF(left, top) * rowUnit_;
  return {origin, QSizeF(kCardWidth, kCardHeight) * rowUnit_};
}

}  // namespace zunda

#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace zunda {

// Where everything stands on the card table, worked out from the size of the window's client
// area: the hand runs along the whole bottom edge with the command buttons above it, the
// ranking and event lists stand at the right above the buttons, and the six seat areas share
// the rest in four rows (seat 4 at the top, 5 and 3, 6 and 2, seat 1 at the bottom) round the
// prompt in the middle. The arrangement at 800x600 is simply this layout at that size.
//
// Cards laid on the table keep the layout units of the control state (twips: a card step is
// 180, a card 1065 by 1440); each seat's row maps them to pixels with one factor.
class TableGeometry {
 public:
  static constexpr double kCardWidth = 1065;
  static constexpr double kCardHeight = 1440;
  // Height over width of every card face.
  static constexpr double kCardAspect = kCardHeight / kCardWidth;

  void SetViewSize(QSizeF size);
  QSizeF ViewSize() const { return view_; }
  // Widget pixels per layout unit for fonts and pens: 1/15 at the opening size.
  double Scale() const { return scale_; }
  // A length in layout units as widget pixels (font sizes, pen widths).
  double Px(double units) const { return units * scale_; }

  QRectF SeatArea(int seat) const;
  QRectF NameLabel(int seat) const;
  // The strip that shows a seat's laid cards; cards below it (still sliding) are cut off.
  QRectF SeatRow(int seat) const;
  QRectF TableCard(int seat, int left, int top) const;
  // The area of the lists at the right.
  QRectF SidePanel() const { return side_; }
  // The room for the hand along the bottom and the size of one hand card in it.
  QRectF HandFrame() const { return hand_; }
  QSizeF HandCardSize() const { return handCard_; }
  // The top of a lowered hand card and how far a picked card rises above it.
  double HandCardTop() const { return hand_.bottom() - handCard_.height() - handPad_; }
  double HandRise() const { return handCard_.height() * 0.26; }
  QRectF ButtonRow() const { return buttons_; }
  // The most room a prompt may take; its plate is sized to its text inside this.
  QRectF PromptBox() const { return prompt_; }

 private:
  QPointF SeatOrigin(int seat) const;

  QSizeF view_;
  double scale_ = 1.0 / 15;
  double margin_ = 6;
  QRectF table_;
  QRectF side_;
  QRectF hand_;
  QRectF buttons_;
  QRectF prompt_;
  QSizeF handCard_;
  double handPad_ = 4;
  QSizeF seat_;
  double labelHeight_ = 20;
  double rowUnit_ = 0.04;  // pixels per layout unit of a table row
};

}  // namespace zunda

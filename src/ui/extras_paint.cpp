#include "ui/extras_paint.h"

#include <QPainter>
#include <algorithm>

#include "core/game.h"
#include "rules/keyboard_play.h"
#include "ui/table_view.h"

namespace zunda {

QRectF HandFocusMark(const TableView& view, const Game& g) {
  if (!g.Options.Extras.KeyboardPlay) return {};
  const int slot = FocusedHandSlot(g);
  if (slot == 0) return {};
  const double pad = std::max(1.0, view.Geometry().Px(20));
  return view.VisibleHandCard(slot).adjusted(-pad, -pad, pad, pad);
}

QRectF AutoplayPlate(const TableView& view, const Game& g) {
  if (!g.Extras.AutoplayOn) return {};
  const TableGeometry& geometry = view.Geometry();
  // At the right end of the button row, clear of the buttons centred in it.
  const QRectF row = geometry.ButtonRow();
  const double height = row.height() * 0.8;
  const double width = height * 3.6;
  return {row.right() - width, row.center().y() - height / 2, width, height};
}

void PaintExtrasMarks(QPainter& p, const TableView& view, const Game& g) {
  const TableGeometry& geometry = view.Geometry();
  const QRectF focus = HandFocusMark(view, g);
  if (!focus.isEmpty()) {
    p.setPen(QPen(QColor(255, 214, 74), std::max(2.0, geometry.Px(30))));
    p.setBrush(Qt::NoBrush);
    const double round = geometry.Px(50);
    p.drawRoundedRect(focus, round, round);
  }
  const QRectF plate = AutoplayPlate(view, g);
  if (!plate.isEmpty()) {
    p.setPen(QPen(QColor(255, 255, 255, 220), std::max(1.0, geometry.Px(15))));
    p.setBrush(QColor(190, 40, 40, 220));
    p.drawRoundedRect(plate, plate.height() / 2, plate.height() / 2);
    QFont font = p.font();
    font.setPixelSize(std::max(9, static_cast<int>(geometry.Px(200))));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(plate, Qt::AlignCenter, TableView::tr(kAutoplayMarkText));
  }
}

}  // namespace zunda

#pragma once

#include <QRectF>

class QPainter;

namespace zunda {

struct Game;
class TableView;

// The table's marks for the conveniences: a frame round the card the keyboard focus is on, and
// the "托管中" plate while the autopilot plays the human seat.
void PaintExtrasMarks(QPainter& p, const TableView& view, const Game& g);

// Where the marks are drawn; empty when there is none.
QRectF HandFocusMark(const TableView& view, const Game& g);
QRectF AutoplayPlate(const TableView& view, const Game& g);

inline constexpr const char* kAutoplayMarkText = QT_TRANSLATE_NOOP("zunda::TableView", "托管中");

}  // namespace zunda

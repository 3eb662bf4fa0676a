#pragma once

class QWidget;

namespace zunda {

// Ends the program right after the widget has been painted once (start-up measurements).
void QuitAfterFirstPaint(QWidget& widget);

}  // namespace zunda

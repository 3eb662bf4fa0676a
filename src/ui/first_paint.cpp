#include "ui/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace zunda {

namespace {

class FirstPaintWatcher : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Quit once the paint has been delivered, not in the middle of it.
      QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

}  // namespace

void QuitAfterFirstPaint(QWidget& widget) {
  widget.installEventFilter(new FirstPaintWatcher(&widget));
}

}  // namespace zunda

// The yardstick for the program's start: a Qt Widgets program that opens an empty main window
// of the game's size and ends right after the window's first paint, in the same way
// `zunda --quit-after-first-paint` ends. It links nothing of the game.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

namespace {

class FirstPaintQuit : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(800, 600);
  window.installEventFilter(new FirstPaintQuit(&window));
  window.show();
  return QApplication::exec();
}

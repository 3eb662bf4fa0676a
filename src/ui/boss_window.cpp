#include "ui/boss_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace zunda {

BossWindow::BossWindow(const QString& caption, std::function<void()> restore)
    : restore_(std::move(restore)) {
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
  // The program must not end when the cover is the last window and gets closed.
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(640, 420);
  setStyleSheet(QStringLiteral("background: white;"));
}

void BossWindow::mousePressEvent(QMouseEvent* event) {
  event->accept();
  close();
}

void BossWindow::keyPressEvent(QKeyEvent* event) {
  event->accept();
  close();
}

// Every way of closing the cover (a click, a key, the title bar's button, the window
// manager) comes through here, and each gives the table back.
void BossWindow::closeEvent(QCloseEvent* event) {
  Restore();
  event->accept();
}

void BossWindow::Restore() {
  if (!restore_) return;
  const std::function<void()> restore = std::move(restore_);
  restore_ = nullptr;
  restore();
}

}  // namespace zunda

#include "ui/boss_window.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace zunda {

BossWindow::BossWindow(const QString& caption, std::function<void()> restore)
    : restore_(std::move(restore)) {
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
  resize(640, 420);
  setStyleSheet(QStringLiteral("background: white;"));
}

void BossWindow::mousePressEvent(QMouseEvent* event) {
  event->accept();
  Restore();
}

void BossWindow::keyPressEvent(QKeyEvent* event) {
  event->accept();
  Restore();
}

void BossWindow::Restore() {
  if (restore_) restore_();
  close();
}

}  // namespace zunda

#pragma once

#include <QWidget>
#include <functional>

namespace zunda {

// The boss key's cover: a plain window captioned with the boss caption. A click, a key or
// closing it in any way brings the game back; it never ends the program.
class BossWindow : public QWidget {
  Q_OBJECT

 public:
  BossWindow(const QString& caption, std::function<void()> restore);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Restore();
  std::function<void()> restore_;
};

}  // namespace zunda

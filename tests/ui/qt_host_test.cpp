#include "ui/qt_host.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace zunda {
namespace {

// Acts on the next message box as soon as it is shown, and records its text.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(std::function<void(QMessageBox&)> act) : act_(std::move(act)) {
    QTimer::singleShot(0, [this] { Poll(); });
  }
  QString text;

 private:
  void Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      QTimer::singleShot(5, [this] { Poll(); });
      return;
    }
    text = box->text();
    act_(*box);
  }
  std::function<void(QMessageBox&)> act_;
};

void Press(QMessageBox& box, QMessageBox::StandardButton button) {
  QTest::mouseClick(box.button(button), Qt::LeftButton);
}

TEST(QtHostTest, MessageBoxesReturnTheButtonPressed) {
  QtHost host(1);
  {
    BoxAnswerer answer([](QMessageBox& box) { Press(box, QMessageBox::No); });
    EXPECT_EQ(host.MessageBox("再来一局？", Host::Buttons::YesNo, Host::Icon::Question),
              Host::Answer::No);
    EXPECT_EQ(answer.text, QStringLiteral("再来一局？"));
  }
  {
    BoxAnswerer answer([](QMessageBox& box) { Press(box, QMessageBox::Yes); });
    EXPECT_EQ(host.MessageBox("?", Host::Buttons::YesNo, Host::Icon::Question), Host::Answer::Yes);
  }
  {
    BoxAnswerer answer([](QMessageBox& box) { Press(box, QMessageBox::Cancel); });
    EXPECT_EQ(host.MessageBox("?", Host::Buttons::OkCancel, Host::Icon::Exclamation),
              Host::Answer::Cancel);
  }
  {
    // Escape on a yes/no box means no.
    BoxAnswerer answer([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(host.MessageBox("?", Host::Buttons::YesNo, Host::Icon::Question), Host::Answer::No);
  }
}

TEST(QtHostTest, FatalStopShowsTheTextAndClosesTheMainWindow) {
  QtHost host(1);
  QMainWindow window;
  window.show();
  host.SetMainWindow(&window);
  BoxAnswerer answer([](QMessageBox& box) { Press(box, QMessageBox::Ok); });
  host.FatalStop("Err:test");
  EXPECT_EQ(answer.text, QStringLiteral("Err:test"));
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace zunda

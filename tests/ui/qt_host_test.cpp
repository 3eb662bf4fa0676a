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
    if (box == nullptr) return QTimer::singleShot(5, [this] { Poll(); });
    text = box->text();
    act_(*box);
  }
  std::function<void(QMessageBox&)> act_;
};

TEST(QtHostTest, MessageBoxesReturnTheButtonPressedAndEscapeOnAYesNoBoxMeansNo) {
  QtHost host(1);
  const struct {
    Host::Buttons buttons;
    QMessageBox::StandardButton pressed;  // NoButton: the Escape key
    Host::Answer answer;
  } cases[] = {{Host::Buttons::YesNo, QMessageBox::No, Host::Answer::No},
               {Host::Buttons::YesNo, QMessageBox::Yes, Host::Answer::Yes},
               {Host::Buttons::OkCancel, QMessageBox::Cancel, Host::Answer::Cancel},
               {Host::Buttons::YesNo, QMessageBox::NoButton, Host::Answer::No}};
  for (const auto& c : cases) {
    BoxAnswerer answer([&](QMessageBox& box) {
      if (c.pressed == QMessageBox::NoButton) return QTest::keyClick(&box, Qt::Key_Escape);
      QTest::mouseClick(box.button(c.pressed), Qt::LeftButton);
    });
    EXPECT_EQ(host.MessageBox("再来一局？", c.buttons, Host::Icon::Question), c.answer);
    EXPECT_EQ(answer.text, QStringLiteral("再来一局？"));
  }
}

TEST(QtHostTest, FatalStopShowsTheTextAndClosesTheMainWindow) {
  QtHost host(1);
  QMainWindow window;
  window.show();
  host.SetMainWindow(&window);
  BoxAnswerer answer(
      [](QMessageBox& box) { QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton); });
  host.FatalStop("Err:test");
  EXPECT_EQ(answer.text, QStringLiteral("Err:test"));
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace zunda

#include "ui/qt_host.h"

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "program_fixture.h"

namespace zunda {
namespace {

using testing::ModalWatcher;

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
    QString text;
    ModalWatcher answer([&](QWidget& modal) {
      auto& box = dynamic_cast<QMessageBox&>(modal);
      text = box.text();
      if (c.pressed == QMessageBox::NoButton) return QTest::keyClick(&box, Qt::Key_Escape);
      QTest::mouseClick(box.button(c.pressed), Qt::LeftButton);
    });
    EXPECT_EQ(host.MessageBox("再来一局？", c.buttons, Host::Icon::Question), c.answer);
    EXPECT_EQ(text, QStringLiteral("再来一局？"));
  }
}

TEST(QtHostTest, FatalStopShowsTheTextAndClosesTheMainWindow) {
  QtHost host(1);
  QMainWindow window;
  window.show();
  host.SetMainWindow(&window);
  QString text;
  ModalWatcher answer([&](QWidget& modal) {
    auto& box = dynamic_cast<QMessageBox&>(modal);
    text = box.text();
    QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
  });
  host.FatalStop("Err:test");
  EXPECT_EQ(text, QStringLiteral("Err:test"));
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace zunda

#include "ui/qt_host.h"

#include <QCoreApplication>
#include <QDate>
#include <QMessageBox>
#include <QThread>
#include <QTime>

#include "ui/shown_text.h"

namespace zunda {

namespace {

QMessageBox::Icon ToQt(Host::Icon icon) {
  switch (icon) {
    case Host::Icon::Information:
      return QMessageBox::Information;
    case Host::Icon::Exclamation:
      return QMessageBox::Warning;
    case Host::Icon::Question:
      return QMessageBox::Question;
    case Host::Icon::Critical:
      return QMessageBox::Critical;
  }
  return QMessageBox::Information;
}

QMessageBox::StandardButtons ToQt(Host::Buttons buttons) {
  switch (buttons) {
    case Host::Buttons::Ok:
      return QMessageBox::Ok;
    case Host::Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Host::Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
  }
  return QMessageBox::Ok;
}

Host::Answer FromQt(int button, Host::Buttons buttons) {
  switch (button) {
    case QMessageBox::Ok:
      return Host::Answer::Ok;
    case QMessageBox::Cancel:
      return Host::Answer::Cancel;
    case QMessageBox::Yes:
      return Host::Answer::Yes;
    case QMessageBox::No:
      return Host::Answer::No;
    default:
      // Closed with Escape or the title bar: the box's way of saying no.
      if (buttons == Host::Buttons::YesNo) return Host::Answer::No;
      return buttons == Host::Buttons::OkCancel ? Host::Answer::Cancel : Host::Answer::Ok;
  }
}

}  // namespace

Host::Answer QtHost::MessageBox(const std::string& text, Buttons buttons, Icon icon) {
  QMessageBox box(ToQt(icon), QString::fromUtf8(kMessageTitle), ShownText(text), ToQt(buttons),
                  mainWindow_.data());
  if (buttons == Buttons::YesNo) box.setDefaultButton(QMessageBox::Yes);
  return FromQt(box.exec(), buttons);
}

void QtHost::DoEvents() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtHost::SleepMs(int milliseconds) {
  if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

double QtHost::SecondsSinceMidnight() {
  return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

CalendarDate QtHost::Today() {
  const QDate today = QDate::currentDate();
  return {today.year(), today.month(), today.day()};
}

void QtHost::FatalStop(const std::string& text) {
  MessageBox(text, Buttons::Ok, Icon::Critical);
  if (mainWindow_) mainWindow_->close();
  // Also when no window is up yet (or it refuses to close): leave once the loop runs.
  if (QCoreApplication* app = QCoreApplication::instance()) {
    QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
  }
}

}  // namespace zunda

// Loaded into the installed program by the install test (LD_PRELOAD), never shipped: a player
// answers the start-up message boxes by hand, the test through this library. Each box is
// answered with its OK (or default) button once shown, and its text appended as one line to the
// file that ZUNDA_TEST_BOX_LOG names.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {

void Answer(QMessageBox* box) {
  QAbstractButton* button = box->button(QMessageBox::Ok);
  if (button == nullptr) button = box->defaultButton();
  if (button == nullptr && !box->buttons().isEmpty()) button = box->buttons().first();
  if (button != nullptr) {
    button->click();
  } else {
    box->reject();
  }
}

class BoxAnswerer : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = event->type() == QEvent::Show ? qobject_cast<QMessageBox*>(watched) : nullptr;
    if (box != nullptr) {
      QFile log(qEnvironmentVariable("ZUNDA_TEST_BOX_LOG"));
      if (log.open(QIODevice::WriteOnly | QIODevice::Append))
        log.write((box->text().replace(QLatin1Char('\n'), QLatin1String("\\n")) + '\n').toUtf8());
      // Answered from the box's own event loop, after it has finished showing.
      QMetaObject::invokeMethod(
          box,
          [guard = QPointer<QMessageBox>(box)] {
            if (guard) Answer(guard);
          },
          Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }
};

// Runs inside the application's constructor: no event loop is needed to install the filter.
void InstallAnswerer() {
  auto* answerer = new BoxAnswerer;
  answerer->setParent(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(answerer);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallAnswerer)

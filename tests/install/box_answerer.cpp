// Loaded into the installed program by the install test (LD_PRELOAD), never shipped: a player
// answers the start-up message boxes by hand, the test answers them through this library. Each
// box is answered with its OK (or default) button once shown, and its text is appended as one
// line to the file that ZUNDA_TEST_BOX_LOG names.
#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QPushButton>

namespace {

void RecordText(const QString& text) {
  const QString path = qEnvironmentVariable("ZUNDA_TEST_BOX_LOG");
  if (path.isEmpty()) return;
  QFile log(path);
  if (!log.open(QIODevice::WriteOnly | QIODevice::Append)) return;
  QString line = text;
  line.replace(QLatin1Char('\n'), QLatin1String("\\n"));
  log.write((line + QLatin1Char('\n')).toUtf8());
}

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
    if (event->type() == QEvent::Show) {
      if (auto* box = qobject_cast<QMessageBox*>(watched)) {
        RecordText(box->text());
        // Answered from the box's own event loop, after it has finished showing.
        QPointer<QMessageBox> guard(box);
        QMetaObject::invokeMethod(
            box,
            [guard] {
              if (guard) Answer(guard);
            },
            Qt::QueuedConnection);
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

// Runs inside the application's constructor: no event loop is needed to install the filter.
void InstallAnswerer() {
  QCoreApplication* app = QCoreApplication::instance();
  auto* answerer = new BoxAnswerer;
  answerer->setParent(app);
  app->installEventFilter(answerer);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallAnswerer)

#include <gtest/gtest.h>
#include <QApplication>

// Widgets need one application object for the whole run. The tests never need a real display,
// also not when the build lists them.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

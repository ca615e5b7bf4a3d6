// The window's tests: a real QApplication on the offscreen platform, so nothing appears on screen.
#include "AppFonts.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
  // Also when the test list is discovered at build time, outside ctest's environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  LoadWindowFonts();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

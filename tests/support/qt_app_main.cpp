// Tests of Qt widgets need an application object, with the game's screen
// scale and fonts, before any test runs.
#include <gtest/gtest.h>

#include <QApplication>

#include "qt_glue/desktop_setup.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  quorvane::PrepareDesktop();
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}

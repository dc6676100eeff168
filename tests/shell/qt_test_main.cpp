// Window tests need the game's application object before any test runs.
#include <gtest/gtest.h>

#include "shell/application.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  quorvane::TApplication app(argc, argv);
  return RUN_ALL_TESTS();
}

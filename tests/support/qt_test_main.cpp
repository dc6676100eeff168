// Window tests need the game's application object before any test runs.
#include <gtest/gtest.h>

#include "qt_glue/desktop_setup.h"
#include "shell/application.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // The windows' sounds go nowhere; SDL's dummy device takes them quietly.
  if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  quorvane::PrepareDesktop();
  quorvane::TApplication app(argc, argv);
  return RUN_ALL_TESTS();
}

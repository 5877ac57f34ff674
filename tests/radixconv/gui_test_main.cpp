// Runs the window tests on the offscreen platform, so they need no display,
// with the toolkit started once for all of them.
#include <gtest/gtest.h>

#include <cstdlib>

#include "toolkit/toolkit.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  tk::Initialise(argc, argv);
  return RUN_ALL_TESTS();
}

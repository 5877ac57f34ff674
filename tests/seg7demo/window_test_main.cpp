// Runs the window tests on the offscreen platform with the toolkit started
// once, as a program starts it; each test then opens its own window.

#include <gtest/gtest.h>

#include <cstdlib>

#include "toolkit/toolkit.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  tk::Initialise(argc, argv);
  return RUN_ALL_TESTS();
}

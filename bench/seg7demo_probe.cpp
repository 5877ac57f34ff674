// seg7demo's start, exactly as its main runs it, up to the first paint.
#include "first_paint.h"
#include "seg7demo/display_window.h"
#include "toolkit/toolkit.h"

int main(int argc, char** argv) {
  tk::Initialise(argc, argv);
  seg7demo::StartDisplayDemo();
  return RunUntilFirstPaint();
}

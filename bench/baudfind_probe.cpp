// baudfind's start, exactly as its main runs it, up to the first paint.
#include "baudfind/baud_window.h"
#include "first_paint.h"
#include "toolkit/toolkit.h"

int main(int argc, char** argv) {
  tk::Initialise(argc, argv);
  OpenBaudFindWindow();
  return RunUntilFirstPaint();
}

#include "seg7demo/display_window.h"
#include "toolkit/toolkit.h"

int main(int argc, char** argv) {
  tk::Initialise(argc, argv);
  seg7demo::StartDisplayDemo();
  return tk::RunEventLoop();
}

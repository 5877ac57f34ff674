#include "baudfind/baud_window.h"
#include "toolkit/toolkit.h"

int main(int argc, char** argv) {
  tk::Initialise(argc, argv);
  OpenBaudFindWindow();
  return tk::RunEventLoop();
}

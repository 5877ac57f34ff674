// radixconv's start, exactly as its main runs it, up to the first paint.
#include "first_paint.h"
#include "radixconv/converter_window.h"
#include "toolkit/toolkit.h"

int main(int argc, char** argv) {
  tk::Initialise(argc, argv);
  radixconv::OpenConverterWindow();
  return RunUntilFirstPaint();
}

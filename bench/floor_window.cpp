// The floor for start-up time and memory: the least a Qt Widgets program
// does to put one window on the screen. It shows an empty window of the
// client size given on the command line (that of the program it is the
// floor for) and stops once the window is painted.
#include <QApplication>
#include <QWidget>
#include <cstdlib>

#include "first_paint.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFixedSize(argc > 2 ? std::atoi(argv[1]) : 200, argc > 2 ? std::atoi(argv[2]) : 200);
  window.show();
  return RunUntilFirstPaint();
}

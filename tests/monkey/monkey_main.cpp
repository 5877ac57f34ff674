// Runs a program's random-input and hostile-input tests on the offscreen
// platform, with the toolkit started once as the program starts it.

#include <gtest/gtest.h>

#include <QString>
#include <QtGlobal>
#include <cstdlib>

#include "toolkit/toolkit.h"

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// Qt Test warns about every key or click a widget leaves unused (a letter
// typed on a button, a click on a label), and the offscreen platform about
// every change of the window's height; the random users make thousands.
void QuietRoutineWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && (message.contains(QLatin1String("not accepted by receiving widget")) ||
                               message.contains(QLatin1String("does not support propagateSizeHints")))) {
    return;
  }
  qtDefaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qtDefaultHandler = qInstallMessageHandler(QuietRoutineWarnings);
  ::testing::InitGoogleTest(&argc, argv);
  tk::Initialise(argc, argv);
  return RUN_ALL_TESTS();
}

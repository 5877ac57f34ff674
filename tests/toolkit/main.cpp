// The toolkit's tests share one application, made the way programs make it.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "toolkit/toolkit.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  testing::InitGoogleTest(&argc, argv);
  testing::GTEST_FLAG(death_test_style) = "threadsafe";
  tk::Initialise(argc, argv);
  return RUN_ALL_TESTS();
}

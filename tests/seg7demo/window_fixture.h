#pragma once
// Opens a fresh display demo window for each test and drives its real
// widgets the way a user would.

#include <gtest/gtest.h>

#include <QPoint>
#include <string>

#include "radixcore/bytetext.h"

class QWidget;

namespace seg7demo::testing {

class DisplayWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

QWidget* WidgetOf(const ByteText& control);

// The names of the lit lamps in lamp order, space-separated ("" when dark).
std::string LitLamps();

// Mouse actions with the event sequence a real mouse produces.
void Click(const ByteText& control);
// A double click at `pos` in the client area of the window, delivered to
// whatever widget lies under it: press, release, double click, release.
void DoubleClickInWindow(QPoint pos);
void DoubleClick(QWidget* widget, QPoint pos);
// Moves the slider to `position`, then presses and releases the left button
// on its thumb without dragging.
void ReleaseSliderAt(int position);

// Writes both port fields, then presses and releases a key that changes
// neither (End) in 段码, so the display is refreshed as by typing.
void EnterCodes(const ByteText& p0, const ByteText& p2);

}  // namespace seg7demo::testing

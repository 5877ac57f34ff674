#include "window_fixture.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QStyle>
#include <QTest>
#include <QWidget>

#include "seg7demo/decoding.h"
#include "seg7demo/display_window.h"
#include "seg7demo/names.h"
#include "toolkit/testing.h"
#include "toolkit/toolkit.h"

namespace seg7demo::testing {

void DisplayWindowTest::SetUp() {
  StartDisplayDemo();
  // The focus arrives once the shown window has been activated.
  ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 1000));
}

void DisplayWindowTest::TearDown() {
  if (tk::testing::Window() != nullptr) tk::testing::CloseWindow();
}

QWidget* WidgetOf(const ByteText& control) {
  QWidget* widget = tk::testing::Widget(control);
  EXPECT_NE(widget, nullptr) << control;
  return widget;
}

std::string LitLamps() {
  std::string lit;
  for (const std::string& lamp : LampNames()) {
    if (tk::GetFillColor(lamp) != kLampLit) continue;
    if (!lit.empty()) lit += ' ';
    lit += lamp;
  }
  return lit;
}

void Click(const ByteText& control) { QTest::mouseClick(WidgetOf(control), Qt::LeftButton); }

void DoubleClick(QWidget* widget, QPoint pos) {
  QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, pos);
  QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, pos);
  QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, pos);
  QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, pos);
}

void DoubleClickInWindow(QPoint pos) {
  QWidget* window = tk::testing::Window();
  QWidget* target = window->childAt(pos);
  if (target == nullptr) target = window;
  DoubleClick(target, target->mapFrom(window, pos));
}

void ReleaseSliderAt(int position) {
  tk::testing::ReleaseSliderAt(SpeedSlider(), position);
  auto* slider = qobject_cast<QAbstractSlider*>(WidgetOf(SpeedSlider()));
  ASSERT_NE(slider, nullptr);
  ASSERT_EQ(slider->value(), position) << "the click on the thumb moved the slider";
}

void EnterCodes(const ByteText& p0, const ByteText& p2) {
  tk::SetText(SegmentCodeBox(), p0);
  tk::SetText(SelectCodeBox(), p2);
  QTest::keyClick(WidgetOf(SegmentCodeBox()), Qt::Key_End);
}

}  // namespace seg7demo::testing

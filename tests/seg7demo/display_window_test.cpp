// The display demo window driven through its real widgets: start state,
// typing into the port fields, clicking LED1's lamps, the height toggle and
// closing with Esc.

#include <QAbstractSlider>
#include <QApplication>
#include <QTest>
#include <QWidget>

#include "seg7demo/decoding.h"
#include "seg7demo/display_window.h"
#include "seg7demo/names.h"
#include "toolkit/testing.h"
#include "toolkit/toolkit.h"
#include "window_fixture.h"

namespace seg7demo::testing {
namespace {

using StartState = DisplayWindowTest;
using PortTyping = DisplayWindowTest;
using LampClicks = DisplayWindowTest;
using HeightToggle = DisplayWindowTest;
using Closing = DisplayWindowTest;

const char* const kLed1ShowsZero = "A1 B1 C1 D1 E1 F1";

TEST_F(StartState, OpensTallWithBothPortsFfAndTheDisplayDark) {
  EXPECT_EQ(tk::GetText(tk::kWindow), "Velbrisk-数码管显示驱动演示"_gbk);
  EXPECT_EQ(tk::GetWindowHeight(), kTallWindowHeight);
  // The toolkit counts a notional 3 px frame on either side.
  EXPECT_EQ(tk::testing::Window()->width(), 500 - 6);
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "FF");
  EXPECT_EQ(tk::GetText(SelectCodeBox()), "FF");
  for (const std::string& lamp : LampNames()) EXPECT_EQ(tk::GetFillColor(lamp), kLampUnlit) << lamp;
  EXPECT_EQ(tk::GetSliderPosition(SpeedSlider()), 50);
  EXPECT_EQ(tk::GetTimerPeriod(SingleScanTimer()), 0);
  EXPECT_EQ(tk::GetTimerPeriod(DynamicScanTimer()), 0);
  EXPECT_EQ(QApplication::focusWidget(), WidgetOf(SegmentCodeBox()));
}

TEST_F(StartState, DigitCodesHoldTheFontWhileOpenAndAreReleasedAtExit) {
  EXPECT_EQ(DigitCodes, std::vector<ByteText>(DigitFont().begin(), DigitFont().end()));
  tk::testing::CloseWindow();
  EXPECT_TRUE(DigitCodes.empty());
}

TEST_F(PortTyping, EveryKeyReleaseRefreshesAndIntermediateCodesLightWhatTheyMean) {
  QWidget* segmentCode = WidgetOf(SegmentCodeBox());
  QTest::keyClick(segmentCode, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(segmentCode, "28");
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "28");
  EXPECT_EQ(LitLamps(), "");  // 位码 still FF: no digit powered

  QTest::keyClick(segmentCode, Qt::Key_Tab);
  QWidget* selectCode = WidgetOf(SelectCodeBox());
  ASSERT_EQ(QApplication::focusWidget(), selectCode);
  QTest::keyClick(selectCode, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(selectCode, 'B');
  // "B" is 00001011: the four select bits are all 0, so every digit shows 0.
  EXPECT_EQ(LitLamps(), "A1 B1 C1 D1 E1 F1 A2 B2 C2 D2 E2 F2 A3 B3 C3 D3 E3 F3 A4 B4 C4 D4 E4 F4");
  QTest::keyClick(selectCode, 'F');
  EXPECT_EQ(tk::GetText(SelectCodeBox()), "BF");
  EXPECT_EQ(LitLamps(), kLed1ShowsZero);
}

TEST_F(PortTyping, DecodesWhateverThePortFieldsHold) {
  const struct {
    ByteText p0, p2;
    std::string lit;
  } rows[] = {
      {"28", "BF", kLed1ShowsZero},
      {"EE", "7F", "B4 C4"},
      {"00", "DF", "A2 B2 C2 D2 E2 F2 G2 DP2"},
      {"7F", "EF", "E3"},
      {"ee", "bf", "B1 C1"},                    // lower case reads as upper
      {"２８"_gbk, "ＢＦ"_gbk, kLed1ShowsZero},  // full-width digits are folded
      {"", "BF", "A1 B1 C1 D1 E1 F1 G1 DP1"},   // empty P0 is 0: every segment
      {"G1", "00", ""},                         // not hexadecimal: nothing lit
      {"28", "FF", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.p0 + " / " + row.p2);
    EnterCodes(row.p0, row.p2);
    EXPECT_EQ(LitLamps(), row.lit);
    EXPECT_EQ(tk::GetText(SegmentCodeBox()), row.p0);  // the field keeps what was typed
  }
}

TEST_F(LampClicks, BuildTheSegmentCodeOfLed1) {
  Click("B1");
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "FE");
  Click("C1");
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "EE");
  EXPECT_EQ(LitLamps(), "B1 C1");
  Click("C1");
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "FE");
  EXPECT_EQ(LitLamps(), "B1");
  for (const char* lamp : {"A1", "C1", "D1", "E1", "F1", "G1", "DP1"}) Click(lamp);
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "0");
  EXPECT_EQ(LitLamps(), "A1 B1 C1 D1 E1 F1 G1 DP1");
}

TEST_F(LampClicks, LightTheLampEvenWhenLed1IsNotPoweredUntilTheNextRefresh) {
  Click("A1");
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "FB");
  EXPECT_EQ(LitLamps(), "A1");
  QTest::keyClick(WidgetOf(SelectCodeBox()), Qt::Key_Right);
  EXPECT_EQ(LitLamps(), "");
}

TEST_F(LampClicks, OtherDigitsIgnoreClicks) {
  EnterCodes("28", "DF");
  for (const char* lamp : {"B2", "G2", "A3", "DP4"}) Click(lamp);
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "28");
  EXPECT_EQ(LitLamps(), "A2 B2 C2 D2 E2 F2");
}

TEST_F(HeightToggle, DoubleClickOnTheSchematicOrTheFreeAreaHidesAndShowsIt) {
  DoubleClick(WidgetOf(SchematicBox()), QPoint(240, 100));
  EXPECT_EQ(tk::GetWindowHeight(), kShortWindowHeight);
  DoubleClick(WidgetOf(SchematicBox()), QPoint(240, 100));
  EXPECT_EQ(tk::GetWindowHeight(), kTallWindowHeight);

  const QPoint freeArea(250, 110);  // between the slider and the LED labels
  DoubleClickInWindow(freeArea);
  EXPECT_EQ(tk::GetWindowHeight(), kShortWindowHeight);
  DoubleClickInWindow(freeArea);
  EXPECT_EQ(tk::GetWindowHeight(), kTallWindowHeight);
  EXPECT_EQ(tk::testing::Window()->width(), 500 - 6);
}

TEST_F(HeightToggle, DoubleClicksOnControlsLeaveTheHeightAlone) {
  for (const ByteText& control : {SegmentCodeBox(), DynamicScanButton(), ByteText("A1"), ByteText("C3")}) {
    SCOPED_TRACE(control);
    QWidget* widget = WidgetOf(control);
    DoubleClick(widget, widget->rect().center());
    EXPECT_EQ(tk::GetWindowHeight(), kTallWindowHeight);
  }
  // The lamp's two releases toggled it twice, and the button's two clicks
  // started and stopped its scan.
  EXPECT_EQ(tk::GetFillColor("A1"), kLampUnlit);
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "FF");
  EXPECT_EQ(tk::GetTimerPeriod(DynamicScanTimer()), 0);
}

TEST_F(Closing, EscInAPortFieldClosesTheWindow) {
  QTest::keyClick(WidgetOf(SelectCodeBox()), Qt::Key_Escape);
  QWidget* window = tk::testing::Window();
  EXPECT_TRUE(window == nullptr || !window->isVisible());
}

}  // namespace
}  // namespace seg7demo::testing

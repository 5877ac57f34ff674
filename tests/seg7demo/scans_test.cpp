// Both scans driven through their buttons, the slider and delivered timer
// ticks, so no test waits for real time but the last one.

#include <QTest>

#include "seg7demo/display_window.h"
#include "seg7demo/names.h"
#include "toolkit/testing.h"
#include "toolkit/toolkit.h"
#include "window_fixture.h"

namespace seg7demo::testing {
namespace {

using SingleScan = DisplayWindowTest;
using DynamicScan = DisplayWindowTest;
using BothScans = DisplayWindowTest;

void SingleTick() { tk::testing::DeliverTick(SingleScanTimer()); }
void DynamicTick() { tk::testing::DeliverTick(DynamicScanTimer()); }

TEST_F(SingleScan, StartPowersLed1AndEachTickCountsOnWrappingAfterNine) {
  Click(SingleScanButton());
  EXPECT_EQ(tk::GetTimerPeriod(SingleScanTimer()), 1000);
  EXPECT_EQ(tk::GetText(SelectCodeBox()), "BF");
  EXPECT_EQ(LitLamps(), "");  // nothing new until the first tick

  SingleTick();
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "28");
  EXPECT_EQ(LitLamps(), "A1 B1 C1 D1 E1 F1");
  for (int tick = 2; tick <= 10; ++tick) SingleTick();
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "A0");
  EXPECT_EQ(LitLamps(), "A1 B1 C1 D1 F1 G1");
  SingleTick();
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "28");
  SingleTick();
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "EE");
}

TEST_F(SingleScan, StopDarkensKeepingTheLastCodeAndRestartBeginsAtZero) {
  Click(SingleScanButton());
  for (int tick = 1; tick <= 3; ++tick) SingleTick();
  EXPECT_EQ(LitLamps(), "A1 B1 D1 E1 G1");  // the digit 2

  Click(SingleScanButton());
  EXPECT_EQ(tk::GetTimerPeriod(SingleScanTimer()), 0);
  EXPECT_EQ(tk::GetText(SelectCodeBox()), "FF");
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "32");
  EXPECT_EQ(LitLamps(), "");

  Click(SingleScanButton());
  EXPECT_EQ(tk::GetTimerPeriod(SingleScanTimer()), 1000);
  SingleTick();
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "28");
}

TEST_F(DynamicScan, StartChangesOnlyThePeriodThenEachTickPowersTheNextDigit) {
  Click(DynamicScanButton());
  EXPECT_EQ(tk::GetTimerPeriod(DynamicScanTimer()), 1000);
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "FF");
  EXPECT_EQ(tk::GetText(SelectCodeBox()), "FF");

  const struct {
    ByteText p0, p2;
    std::string lit;
  } steps[] = {
      {"EE", "BF", "B1 C1"},
      {"32", "DF", "A2 B2 D2 E2 G2"},
      {"A2", "EF", "A3 B3 C3 D3 G3"},
      {"E4", "7F", "B4 C4 F4 G4"},
      {"EE", "BF", "B1 C1"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.p2);
    DynamicTick();
    EXPECT_EQ(tk::GetText(SegmentCodeBox()), step.p0);
    EXPECT_EQ(tk::GetText(SelectCodeBox()), step.p2);
    EXPECT_EQ(LitLamps(), step.lit);
  }
}

TEST_F(DynamicScan, StopDarkensAndRestartResumesAtLed1AtOneSecond) {
  Click(DynamicScanButton());
  ReleaseSliderAt(100);
  DynamicTick();
  DynamicTick();
  Click(DynamicScanButton());
  EXPECT_EQ(tk::GetTimerPeriod(DynamicScanTimer()), 0);
  EXPECT_EQ(tk::GetText(SelectCodeBox()), "FF");
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "32");
  EXPECT_EQ(LitLamps(), "");

  Click(DynamicScanButton());
  EXPECT_EQ(tk::GetTimerPeriod(DynamicScanTimer()), 1000);  // whatever the slider shows
  DynamicTick();
  EXPECT_EQ(tk::GetText(SelectCodeBox()), "BF");
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "EE");
}

TEST_F(DynamicScan, SliderReleaseSetsThePeriodOnlyWhileRunning) {
  ReleaseSliderAt(1);
  EXPECT_EQ(tk::GetTimerPeriod(DynamicScanTimer()), 0);
  Click(DynamicScanButton());
  EXPECT_EQ(tk::GetTimerPeriod(DynamicScanTimer()), 1000);

  const struct {
    int position, period;
  } rows[] = {{1, 109}, {50, 60}, {100, 10}};
  for (const auto& row : rows) {
    ReleaseSliderAt(row.position);
    EXPECT_EQ(tk::GetTimerPeriod(DynamicScanTimer()), row.period) << row.position;
  }
  EXPECT_EQ(tk::GetTimerPeriod(SingleScanTimer()), 0);
}

TEST_F(DynamicScan, RunningTimerTicksOnItsOwn) {
  Click(DynamicScanButton());
  ReleaseSliderAt(100);  // 10 ms
  EXPECT_TRUE(QTest::qWaitFor([] { return tk::GetText(SelectCodeBox()) == "BF"; }, 1000));
  Click(DynamicScanButton());
}

TEST_F(BothScans, StoppingTheDynamicScanLeavesTheSingleScanCountingInTheDark) {
  Click(SingleScanButton());
  Click(DynamicScanButton());
  SingleTick();
  DynamicTick();  // LED1 powered, showing 1
  SingleTick();   // the single scan's next code replaces it: 1 again
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "EE");
  EXPECT_EQ(LitLamps(), "B1 C1");

  Click(DynamicScanButton());
  EXPECT_EQ(tk::GetTimerPeriod(SingleScanTimer()), 1000);
  EXPECT_EQ(LitLamps(), "");
  SingleTick();
  EXPECT_EQ(tk::GetText(SegmentCodeBox()), "32");
  EXPECT_EQ(tk::GetText(SelectCodeBox()), "FF");
  EXPECT_EQ(LitLamps(), "");
}

}  // namespace
}  // namespace seg7demo::testing

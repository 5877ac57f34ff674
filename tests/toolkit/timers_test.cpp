// Timer periods: 0 and negatives stop, the same period keeps the count,
// another restarts it.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "test_window.h"

namespace toolkit_test {
namespace {

class TimersTest : public WindowTest {
 protected:
  QTimer* Timer() {
    return tk::testing::Window()->findChild<QTimer*>(tk::testing::ToQString(TimerName()));
  }
};

TEST_F(TimersTest, PeriodsStartAndStop) {
  struct Row {
    std::vector<int> writes;
    int period;
  };
  const Row rows[] = {
      {{}, 0}, {{100}, 100}, {{100, 0}, 0}, {{100, -5}, 0}, {{-5}, 0}, {{100, 250}, 250},
  };
  ASSERT_NE(Timer(), nullptr);
  for (const Row& row : rows) {
    tk::SetTimerPeriod(TimerName(), 0);
    for (int period : row.writes) tk::SetTimerPeriod(TimerName(), period);
    EXPECT_EQ(tk::GetTimerPeriod(TimerName()), row.period);
    EXPECT_EQ(Timer()->isActive(), row.period > 0);
  }
}

TEST_F(TimersTest, TheSamePeriodKeepsTheCountAnotherRestartsIt) {
  tk::SetTimerPeriod(TimerName(), 1000);
  QTest::qWait(200);
  const int remaining = Timer()->remainingTime();
  ASSERT_LT(remaining, 900);
  tk::SetTimerPeriod(TimerName(), 1000);
  EXPECT_LE(Timer()->remainingTime(), remaining);
  tk::SetTimerPeriod(TimerName(), 2000);
  EXPECT_GT(Timer()->remainingTime(), 1500);
}

TEST_F(TimersTest, TicksReachTheHandler) {
  tk::SetTimerPeriod(TimerName(), 5);
  EXPECT_TRUE(WaitFor([&] { return journal.count("动态扫描时钟:Tick") >= 3; }));
  tk::SetTimerPeriod(TimerName(), 0);
}

TEST_F(TimersTest, DeliverTickRunsTheHandlerOnceAndLeavesTheTimerAlone) {
  tk::testing::DeliverTick(TimerName());
  EXPECT_EQ(journal.count("动态扫描时钟:Tick"), 1);
  EXPECT_FALSE(Timer()->isActive());

  tk::SetTimerPeriod(TimerName(), 1000);
  QTest::qWait(100);
  const int remaining = Timer()->remainingTime();
  tk::testing::DeliverTick(TimerName());
  EXPECT_EQ(journal.count("动态扫描时钟:Tick"), 2);
  EXPECT_LE(Timer()->remainingTime(), remaining);
  EXPECT_EQ(tk::GetTimerPeriod(TimerName()), 1000);
}

TEST_F(TimersTest, ClosingTheWindowStopsTheTimers) {
  tk::SetTimerPeriod(TimerName(), 5);
  tk::testing::Window()->close();
  journal.clear();
  QTest::qWait(50);
  EXPECT_EQ(journal.count("动态扫描时钟:Tick"), 0);
}

}  // namespace
}  // namespace toolkit_test

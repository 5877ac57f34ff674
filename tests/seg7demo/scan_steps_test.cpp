#include "seg7demo/scan_steps.h"

#include <gtest/gtest.h>

#include <string>

namespace seg7demo {
namespace {

TEST(DynamicScanStep, PowersEachDigitInTurnWithItsOwnNumber) {
  struct Row {
    int state;
    int codeEntry;
    std::string selectCode;
    int nextState;
  };
  // Entry n + 1 of the digit codes is the number n; the select codes power
  // LED1, LED2, LED3, LED4 alone.
  const Row rows[] = {{1, 2, "BF", 2}, {2, 3, "DF", 3}, {3, 4, "EF", 4}, {4, 5, "7F", 1}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.state);
    const DynamicScanStep step = DynamicScanStepFor(row.state);
    EXPECT_EQ(step.codeEntry, row.codeEntry);
    EXPECT_EQ(step.selectCode, row.selectCode);
    EXPECT_EQ(step.nextState, row.nextState);
  }
}

TEST(DynamicScanStep, StateBeforeTheFirstStartReadsAsLed1) {
  for (int state : {0, -1, 5}) {
    SCOPED_TRACE(state);
    EXPECT_EQ(DynamicScanStepFor(state).selectCode, std::string("BF"));
    EXPECT_EQ(DynamicScanStepFor(state).nextState, 2);
  }
}

TEST(SingleScanIndex, CountsOneToTenAndWraps) {
  int index = 1;
  for (int expected = 2; expected <= 10; ++expected) {
    index = NextSingleScanIndex(index);
    EXPECT_EQ(index, expected);
  }
  EXPECT_EQ(NextSingleScanIndex(10), 1);
}

TEST(DynamicScanPeriod, SliderEndsAndMiddle) {
  const struct {
    int position;
    int period;
  } rows[] = {{1, 109}, {50, 60}, {99, 11}, {100, 10}};
  for (const auto& row : rows) EXPECT_EQ(DynamicScanPeriod(row.position), row.period) << row.position;
}

}  // namespace
}  // namespace seg7demo

#include "seg7demo/scan_steps.h"

#include <array>

#include "radixcore/text.h"

namespace seg7demo {

namespace {

// Digit n shows the number n: its code is DigitCodes entry n + 1.
constexpr std::array<DynamicScanStep, 4> kDynamicScanSteps = {{
    {2, "BF", 2},  // LED1 shows 1
    {3, "DF", 3},  // LED2 shows 2
    {4, "EF", 4},  // LED3 shows 3
    {5, "7F", 1},  // LED4 shows 4
}};

}  // namespace

DynamicScanStep DynamicScanStepFor(int state) {
  if (state < 1 || state > static_cast<int>(kDynamicScanSteps.size())) state = 1;
  return kDynamicScanSteps[static_cast<std::size_t>(state - 1)];
}

int NextSingleScanIndex(int index) { return index + 1 > kSingleScanLength ? 1 : index + 1; }

int DynamicScanPeriod(int sliderPosition) { return DoubleToInt(110.0 - sliderPosition); }

}  // namespace seg7demo

#pragma once
// The two demonstrations, each run by a timer and started and stopped by its
// button: the single-digit scan counts 0 to 9 on LED1 once a second, the
// dynamic scan powers LED1 to LED4 in turn to show 1, 2, 3, 4. Whether a
// scan runs is read from its timer's period and kept nowhere else.

#include <cstdint>
#include <vector>

#include "toolkit/toolkit.h"

namespace seg7demo {

// The DigitCodes entry (from 1) the next single-scan tick sends.
extern std::int32_t SingleScanIndex;
// The digit (1 to 4) the next dynamic-scan tick powers.
extern std::int32_t DynamicScanState;

// Both counters as they are when the program starts.
void ResetScanCounters();

// 按钮3, 按钮1, both timers' ticks and the slider release.
std::vector<tk::Binding> ScanBindings();

}  // namespace seg7demo

#pragma once
// The counting rules of the two scans, apart from any window: which code
// each tick sends and where the count goes next.

#include "radixcore/bytetext.h"

namespace seg7demo {

inline constexpr int kSingleScanLength = 10;  // the digits 0 to 9
inline constexpr int kScanStartPeriod = 1000;  // ms, for both scans

// One tick of the dynamic scan: the DigitCodes entry (from 1) sent to P0,
// the P2 code that powers the digit, and the state of the next tick.
struct DynamicScanStep {
  int codeEntry;
  const char* selectCode;
  int nextState;
};

// The step for a DynamicScanState of 1 to 4 (LED1 to LED4). Any other value
// can only come from a tick before the first start; it is read as 1.
DynamicScanStep DynamicScanStepFor(int state);

// The SingleScanIndex after a tick that sent entry `index`: counts on and
// wraps from 10 back to 1.
int NextSingleScanIndex(int index);

// The dynamic scan's period for a slider position: 110 - position,
// truncated toward zero, so 1 to 100 give 109 down to 10 ms.
int DynamicScanPeriod(int sliderPosition);

}  // namespace seg7demo

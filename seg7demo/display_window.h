#pragma once
// The display demo window: the handlers that tie the port fields and the
// lamps to the display model, the height toggle, and the program's start.

#include <vector>

#include "radixcore/bytetext.h"
#include "toolkit/toolkit.h"

namespace seg7demo {

// The program's working copy of DigitFont, which the scans read: one empty
// text before the window exists, the ten codes while it is open, empty
// again once the program has ended.
extern std::vector<ByteText> DigitCodes;

// Recomputes all 32 lamps from the texts of 段码 and 位码.
void RefreshDisplay();

// A click on one of LED1's lamps (A1 … DP1): flips that lamp alone and
// writes the P0 code of LED1's lamps into 段码.
void ToggleSegment(const ByteText& lamp);

// Hides or shows the schematic by switching the window between its tall and
// short heights; any other height is left alone.
void ToggleWindowHeight();

inline constexpr int kTallWindowHeight = 350;
inline constexpr int kShortWindowHeight = 147;

// Initialises the program's own state, registers its exit routine and opens
// the window, leaving the toolkit ready for its event loop. Tests call this
// after tk::Initialise just as main does.
void StartDisplayDemo();

}  // namespace seg7demo

#pragma once
// The circuit picture shown under the display: the eight P0 lines through
// their resistors to LED1, LED1's common anode through the P2.6 transistor to
// 5 V, and the P2 lines of the other three digits as net labels.

#include "toolkit/toolkit.h"

namespace seg7demo {

inline constexpr int kSchematicWidth = 481;
inline constexpr int kSchematicHeight = 195;

tk::Picture Schematic();

}  // namespace seg7demo

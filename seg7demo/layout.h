#pragma once
// The display demo window as data: every control with its place, look and
// starting state.

#include "toolkit/toolkit.h"

namespace seg7demo {

// 段码 comes first so that it receives the focus when the window opens.
const tk::WindowLayout& DisplayWindowLayout();

}  // namespace seg7demo

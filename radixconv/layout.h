#pragma once
// The converter window as data: its frame, the three number fields with
// their labels, and the eight bit lamps with theirs.

#include "toolkit/toolkit.h"

namespace radixconv {

// The window layout; 输入10 comes first so that it takes the focus.
const tk::WindowLayout& ConverterLayout();

}  // namespace radixconv

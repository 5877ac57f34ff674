#pragma once
// Builds the widget (or timer) of one control of a layout.

#include "toolkit/window_state.h"

namespace tk::detail {

// Creates the control as a child of window and returns its entry.
ControlEntry CreateControl(const Control& control, QWidget* window);

// Whether the control can hold the keyboard focus.
bool TakesFocus(const ControlEntry& entry);

}  // namespace tk::detail

#pragma once
// The baud-rate finder's window: its handlers and how the program starts.

#include <vector>

#include "toolkit/toolkit.h"

// Lists the whole table into the output box for the crystal and doubling
// setting of the moment, showing the progress in the window caption.
void ListBaudRates();

std::vector<tk::Binding> BaudFindBindings();

// Builds and shows the window; the caller then runs the event loop.
void OpenBaudFindWindow();

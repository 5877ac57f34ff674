#pragma once
// The converter window: three fields that follow each other as the user
// types, the padding of the binary field and the bit lamps.

namespace radixconv {

// Builds and shows the window with its handlers bound. tk::Initialise must
// have run; the caller runs the event loop.
void OpenConverterWindow();

// The whole program: starts the toolkit, opens the window and runs until it
// closes. Returns the exit status.
int RunConverter(int& argc, char** argv);

}  // namespace radixconv

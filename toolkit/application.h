#pragma once
// The program's lifecycle around its one window.

namespace tk::detail {

// Runs the registered exit routines once: each one runs at most once in the
// life of the program, however the window ends.
void RunExitRoutines();

}  // namespace tk::detail

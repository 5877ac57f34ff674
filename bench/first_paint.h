#pragma once
// The end point of a start-up probe: the first moment its top-level window
// is on the screen with every control painted into it. The probes for the
// three programs and the floor window all stop here, so their figures differ
// only in what happens before.

// Runs the event loop until the first top-level window has been exposed and
// painted, then prints one line for startup_bench and returns 0:
//   painted_ns=<CLOCK_MONOTONIC at that moment> width=<client w> height=<client h>
int RunUntilFirstPaint();

#pragma once
// Hooks for tests that drive the real widgets of a window built by
// LoadWindow. Only tests include this header; programs never do.

#include <QString>

#include "toolkit/toolkit.h"

class QWidget;

namespace tk::testing {

// The top-level window LoadWindow built last, or nullptr.
QWidget* Window();
// The widget of a named control (timers have none: nullptr).
QWidget* Widget(const ByteText& control);
// Delivers one tick of a timer at once, as if its period had elapsed; the
// timer's own count is left as it is.
void DeliverTick(const ByteText& timer);
// Moves a slider to position, then presses and releases the left button on
// its thumb, as a user dropping the thumb there would.
void ReleaseSliderAt(const ByteText& slider, int position);
// Closes and destroys the window without running the event loop, running the
// exit routines as a real close would, so a test can open a fresh window.
void CloseWindow();

// The GBK boundary, for tests that compare what a widget shows.
QString ToQString(const ByteText& text);
ByteText FromQString(const QString& text);

}  // namespace tk::testing

#pragma once
// Texts no one types by hand, pasted the way a user pastes them, and the
// time the window takes to take them.

#include <QString>

#include "radixcore/bytetext.h"

namespace monkey {

inline constexpr int kMillion = 1'000'000;

// Far beyond what any of these pastes needs, even on a machine busy with
// other tests: past it the window counts as hung. The sanitizers slow
// everything down several times.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr double kHangSeconds = 90;
#else
inline constexpr double kHangSeconds = 30;
#endif

// A million ASCII digits.
const QString& MillionDigits();
// A million characters of Chinese text with full-width forms, ASCII and a
// few characters GBK cannot hold mixed in.
const QString& MillionChinese();
// A million characters of scripts GBK cannot hold, each of which reads back
// as "?".
const QString& MillionOutsideGbk();

// Gives the control the focus as a click would, selects its whole text with
// Ctrl+A and pastes `text` over it with Ctrl+V, then lets the window finish
// what the paste started. Returns the seconds that took.
double PasteOver(const ByteText& control, const QString& text);

// Gives the control the focus as a click would, without moving the caret.
void Focus(const ByteText& control);

// One key stroke into the control that has the focus.
void Type(Qt::Key key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Processes whatever the last action left pending, timer ticks aside.
void Settle();

}  // namespace monkey

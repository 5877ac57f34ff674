#pragma once
// Qt's keys as the platform-neutral key codes and modifier bits of
// toolkit.h, so that a handler sees the same numbers on every platform.

#include <Qt>

class QKeyEvent;

namespace tk::detail {

// The code of a physical key: shifted symbols give the code of their key
// ("!" is the key of "1"), keypad digits give 48 to 57. 0 for a key that has
// no code.
int KeyCode(int qtKey, bool keypad);

// 1 Ctrl, 2 Shift, 4 Alt. Pressing a modifier key counts that modifier as
// held and releasing it as no longer held, whatever the platform reports.
int ModifierBits(Qt::KeyboardModifiers modifiers, int qtKey, bool pressed);

int KeyCodeOf(const QKeyEvent& event);
int ModifierBitsOf(const QKeyEvent& event);
int ModifierBitsOf(Qt::KeyboardModifiers modifiers);

}  // namespace tk::detail

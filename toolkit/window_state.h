#pragma once
// What the toolkit knows about the window LoadWindow built last: its
// widgets by control name and the handlers bound to them. Every operation of
// toolkit.h starts here.

#include <QPointer>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "toolkit/toolkit.h"

class QEventLoop;
class QWidget;

namespace tk::detail {

class EditBox;
class FormWindow;
class ShapeBox;
class TimerControl;

struct ControlEntry {
  Kind kind = Kind::Label;
  QWidget* widget = nullptr;       // nullptr for timers; owned by the window
  EditBox* editBox = nullptr;      // edit boxes only
  ShapeBox* shapeBox = nullptr;    // shape boxes only
  std::shared_ptr<TimerControl> timer;  // timers only
};

struct WindowState {
  QPointer<FormWindow> window;
  std::map<ByteText, ControlEntry> controls;
  std::map<std::pair<ByteText, EventKind>, std::vector<std::function<bool(const EventArgs&)>>> handlers;
  QEventLoop* runningLoop = nullptr;  // set while RunEventLoop waits for the close
};

// The state of the current window, or nullptr before the first LoadWindow
// and after the window was destroyed.
WindowState* CurrentWindow();
void SetCurrentWindow(std::unique_ptr<WindowState> state);
// Destroys the current window and its state (not the exit routines).
void DestroyCurrentWindow();

// A misuse by the program itself: reported on stderr, then the program ends.
[[noreturn]] void ProgrammingError(const std::string& message);

// The entry of a named control of the current window; a missing window, an
// unknown name or a control of another kind is a programming error.
ControlEntry& Lookup(const ByteText& control, const char* operation);
ControlEntry& Lookup(const ByteText& control, Kind expected, const char* operation);

// Runs the handlers bound to (control, kind), in binding order. False when
// a handler cancelled (only KeyPressed handlers can).
bool Dispatch(const ByteText& control, EventKind kind, const EventArgs& args = {});

}  // namespace tk::detail

#include "toolkit/window_state.h"

#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "radixcore/gbk.h"
#include "toolkit/form_window.h"

namespace tk::detail {
namespace {

// Never destroyed at exit, for the same reason as the application: the
// window is destroyed when the event loop ends, while Qt is still whole.
std::unique_ptr<WindowState>& Slot() {
  static auto* state = new std::unique_ptr<WindowState>();
  return *state;
}

const char* KindName(Kind kind) {
  switch (kind) {
    case Kind::Label: return "a label";
    case Kind::EditBox: return "an edit box";
    case Kind::Button: return "a button";
    case Kind::CheckBox: return "a check box";
    case Kind::Slider: return "a slider";
    case Kind::PictureBox: return "a picture box";
    case Kind::ShapeBox: return "a shape box";
    case Kind::Timer: return "a timer";
  }
  return "a control";
}

}  // namespace

WindowState* CurrentWindow() { return Slot().get(); }

void SetCurrentWindow(std::unique_ptr<WindowState> state) {
  DestroyCurrentWindow();
  Slot() = std::move(state);
}

void DestroyCurrentWindow() {
  std::unique_ptr<WindowState> state = std::move(Slot());
  if (state && state->window) delete state->window.data();
}

void ProgrammingError(const std::string& message) {
  std::fprintf(stderr, "toolkit: %s\n", message.c_str());
  std::fflush(stderr);
  std::abort();
}

ControlEntry& Lookup(const ByteText& control, const char* operation) {
  WindowState* state = CurrentWindow();
  if (!state) ProgrammingError(std::string(operation) + ": no window has been loaded");
  auto found = state->controls.find(control);
  if (found == state->controls.end()) {
    ProgrammingError(std::string(operation) + ": the window has no control named \"" + Utf8FromGbk(control) + "\"");
  }
  return found->second;
}

ControlEntry& Lookup(const ByteText& control, Kind expected, const char* operation) {
  ControlEntry& entry = Lookup(control, operation);
  if (entry.kind != expected) {
    ProgrammingError(std::string(operation) + ": \"" + Utf8FromGbk(control) + "\" is " + KindName(entry.kind) +
                     ", not " + KindName(expected));
  }
  return entry;
}

bool Dispatch(const ByteText& control, EventKind kind, const EventArgs& args) {
  WindowState* state = CurrentWindow();
  if (!state) return true;
  auto found = state->handlers.find({control, kind});
  if (found == state->handlers.end()) return true;
  // A copy, so that a handler may bind nothing new under our feet.
  const auto handlers = found->second;
  bool accepted = true;
  for (const auto& handler : handlers) {
    if (!handler(args)) accepted = false;
  }
  return accepted;
}

}  // namespace tk::detail

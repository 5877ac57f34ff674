#include "toolkit/testing.h"

#include <QWidget>

#include "toolkit/application.h"
#include "toolkit/form_window.h"
#include "toolkit/text_boundary.h"
#include "toolkit/window_state.h"

namespace tk::testing {

QWidget* Window() {
  detail::WindowState* state = detail::CurrentWindow();
  return state ? state->window.data() : nullptr;
}

QWidget* Widget(const ByteText& control) { return detail::Lookup(control, "Widget").widget; }

void DeliverTick(const ByteText& timer) {
  detail::Lookup(timer, Kind::Timer, "DeliverTick");
  detail::Dispatch(timer, EventKind::Tick);
}

void CloseWindow() {
  if (QWidget* window = Window()) window->close();
  detail::RunExitRoutines();
  detail::DestroyCurrentWindow();
}

QString ToQString(const ByteText& text) { return detail::ToQString(text); }
ByteText FromQString(const QString& text) { return detail::FromQString(text); }

}  // namespace tk::testing

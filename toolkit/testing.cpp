#include "toolkit/testing.h"

#include <QWidget>

#include "toolkit/application.h"
#include "toolkit/edit_box.h"
#include "toolkit/form_window.h"
#include "toolkit/text_boundary.h"
#include "toolkit/window_state.h"

namespace tk::testing {

QWidget* Window() {
  detail::WindowState* state = detail::CurrentWindow();
  return state ? state->window.data() : nullptr;
}

QWidget* Widget(const ByteText& control) {
  detail::ControlEntry& entry = detail::Lookup(control, "Widget");
  // A test reads the widget directly: show it everything written so far.
  if (entry.editBox) entry.editBox->settle();
  return entry.widget;
}

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

// Building the window from its layout, and its outer height.
#include <QApplication>
#include <QScreen>
#include <algorithm>

#include "radixcore/gbk.h"
#include "toolkit/controls.h"
#include "toolkit/form_window.h"
#include "toolkit/timer_control.h"
#include "toolkit/window_state.h"

namespace tk {
namespace {

using detail::kFrameBottom;
using detail::kFrameLeft;
using detail::kFrameRight;
using detail::kFrameTop;

int ClientWidth(int outerWidth) { return std::max(outerWidth - kFrameLeft - kFrameRight, 1); }
int ClientHeight(int outerHeight) { return std::max(outerHeight - kFrameTop - kFrameBottom, 1); }

// Centres the outer rectangle on the screen and puts the client area where
// the notional frame puts it. Computed here because without a window manager
// nobody else would place the window.
void PlaceCentred(QWidget& window, int outerWidth, int outerHeight) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  const int left = available.x() + (available.width() - outerWidth) / 2;
  const int top = available.y() + (available.height() - outerHeight) / 2;
  window.setGeometry(left + kFrameLeft, top + kFrameTop, window.width(), window.height());
}

void BindHandlers(detail::WindowState& state, std::vector<Binding>& bindings) {
  for (Binding& binding : bindings) {
    if (binding.control != kWindow && !state.controls.count(binding.control)) {
      detail::ProgrammingError("LoadWindow: a handler is bound to \"" + Utf8FromGbk(binding.control) +
                               "\", which the layout does not have");
    }
    if (!binding.handler) continue;
    state.handlers[{binding.control, binding.kind}].push_back(std::move(binding.handler));
  }
}

}  // namespace

void LoadWindow(const WindowLayout& layout, std::vector<Binding> bindings) {
  if (!QApplication::instance()) detail::ProgrammingError("LoadWindow: Initialise has not been called");
  // The previous window goes first, so that its name lookups end with it.
  detail::DestroyCurrentWindow();

  auto state = std::make_unique<detail::WindowState>();
  auto* window = new detail::FormWindow();
  state->window = window;
  window->setCaption(layout.caption);
  window->setFixedSize(ClientWidth(layout.outerWidth), ClientHeight(layout.outerHeight));

  const ByteText* firstFocus = nullptr;
  for (const Control& control : layout.controls) {
    if (control.name == kWindow) detail::ProgrammingError("LoadWindow: a control of the layout has no name");
    if (state->controls.count(control.name)) {
      detail::ProgrammingError("LoadWindow: the layout names two controls \"" + Utf8FromGbk(control.name) + "\"");
    }
    const detail::ControlEntry& entry = state->controls[control.name] = detail::CreateControl(control, window);
    if (!firstFocus && detail::TakesFocus(entry)) firstFocus = &control.name;
  }
  BindHandlers(*state, bindings);
  detail::SetCurrentWindow(std::move(state));

  detail::Dispatch(kWindow, EventKind::Created);

  // The window is still hidden: the focus is only recorded, and its handler
  // runs now; the real focus-in follows when the window becomes active.
  if (firstFocus) {
    detail::Lookup(*firstFocus, "LoadWindow").widget->setFocus(Qt::OtherFocusReason);
    detail::Dispatch(*firstFocus, EventKind::GotFocus);
  }
  PlaceCentred(*window, layout.outerWidth, layout.outerHeight);
  window->show();
  window->activateWindow();

  for (const Control& control : layout.controls) {
    if (control.kind == Kind::Timer && control.period > 0) SetTimerPeriod(control.name, control.period);
  }
}

int GetWindowHeight() {
  detail::WindowState* state = detail::CurrentWindow();
  if (!state || !state->window) detail::ProgrammingError("GetWindowHeight: no window has been loaded");
  return state->window->height() + kFrameTop + kFrameBottom;
}

void SetWindowHeight(int height) {
  detail::WindowState* state = detail::CurrentWindow();
  if (!state || !state->window) detail::ProgrammingError("SetWindowHeight: no window has been loaded");
  QWidget& window = *state->window;
  window.setFixedSize(window.width(), ClientHeight(height));
}

}  // namespace tk

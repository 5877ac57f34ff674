#include "toolkit/control_events.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "toolkit/form_window.h"
#include "toolkit/key_codes.h"
#include "toolkit/window_state.h"

namespace tk::detail {
namespace {

EventArgs KeyArgs(const QKeyEvent& event) {
  EventArgs args;
  args.keyCode = KeyCodeOf(event);
  args.modifiers = ModifierBitsOf(event);
  return args;
}

void CloseCurrentWindow() {
  if (WindowState* state = CurrentWindow(); state && state->window) state->window->close();
}

}  // namespace

bool IsMouseButtonEvent(const QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      return true;
    default:
      return false;
  }
}

bool RouteMouseEvent(const ByteText& control, QWidget* controlWidget, QWidget* receiver, QEvent* event,
                     const std::function<bool(QEvent*)>& process) {
  auto* mouse = static_cast<QMouseEvent*>(event);
  process(event);
  event->accept();
  if (mouse->button() != Qt::LeftButton) return true;
  const QPoint at = receiver->mapTo(controlWidget, mouse->position().toPoint());
  EventArgs args{at.x(), at.y(), 0, ModifierBitsOf(mouse->modifiers())};
  if (event->type() == QEvent::MouseButtonRelease) Dispatch(control, EventKind::LeftButtonReleased, args);
  if (event->type() == QEvent::MouseButtonDblClick) Dispatch(control, EventKind::DoubleClick, args);
  return true;
}

bool RouteControlEvent(const ByteText& control, QWidget* widget, QEvent* event,
                       const std::function<bool(QEvent*)>& process) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (!Dispatch(control, EventKind::KeyPressed, KeyArgs(*key))) {
        event->accept();
        return true;
      }
      // Esc closes the window from wherever the focus is, an edit box too.
      if (key->key() == Qt::Key_Escape) {
        event->accept();
        CloseCurrentWindow();
        return true;
      }
      return process(event);
    }
    case QEvent::KeyRelease: {
      auto* key = static_cast<QKeyEvent*>(event);
      const EventArgs args = KeyArgs(*key);
      const bool result = process(event);
      // One event per physical release: the releases that auto-repeat
      // interleaves with its presses do not count.
      if (!key->isAutoRepeat()) Dispatch(control, EventKind::KeyReleased, args);
      return result;
    }
    case QEvent::FocusIn: {
      const bool result = process(event);
      // Coming back from a context menu is no new focus.
      if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        Dispatch(control, EventKind::GotFocus);
      }
      return result;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      return RouteMouseEvent(control, widget, widget, event, process);
    default:
      return process(event);
  }
}

}  // namespace tk::detail

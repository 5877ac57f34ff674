#pragma once
// How the events of a control's widget become the toolkit's events. Every
// control widget routes its events through RouteControlEvent, which decides
// whether the handlers run before the widget sees the event (KeyPressed, so
// that a handler can cancel the key) or after it (KeyReleased, GotFocus and
// the mouse events, so that the handler sees the key's or the click's
// effect: a slider's final position, an edit box's new text).

#include <QEvent>
#include <QWidget>
#include <functional>
#include <utility>

#include "radixcore/bytetext.h"

namespace tk::detail {

// process hands the event to the widget itself; the result is what the
// widget's event() should return.
bool RouteControlEvent(const ByteText& control, QWidget* widget, QEvent* event,
                       const std::function<bool(QEvent*)>& process);

// The mouse part alone, for widgets whose clicks arrive in a child (the
// viewport of a multi-line edit box); positions are mapped to the control.
bool IsMouseButtonEvent(const QEvent* event);
bool RouteMouseEvent(const ByteText& control, QWidget* controlWidget, QWidget* receiver, QEvent* event,
                     const std::function<bool(QEvent*)>& process);

// A widget carrying a control: its name for the handlers, for screen
// readers and for tests, and the event routing above.
template <class Base>
class ControlWidget : public Base {
 public:
  template <class... Args>
  explicit ControlWidget(ByteText control, Args&&... args)
      : Base(std::forward<Args>(args)...), control_(std::move(control)) {
    // A click on a control belongs to the control, never to the window.
    this->setAttribute(Qt::WA_NoMousePropagation);
  }

  const ByteText& controlName() const { return control_; }

 protected:
  bool event(QEvent* event) override {
    return RouteControlEvent(control_, this, event, [this](QEvent* e) { return Base::event(e); });
  }

 private:
  ByteText control_;
};

}  // namespace tk::detail

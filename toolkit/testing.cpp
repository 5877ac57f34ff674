#include "toolkit/testing.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWidget>

#include "radixcore/gbk.h"
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

void ReleaseSliderAt(const ByteText& control, int position) {
  auto* slider = qobject_cast<QSlider*>(Widget(control));
  if (!slider) detail::ProgrammingError("ReleaseSliderAt: \"" + Utf8FromGbk(control) + "\" is no slider");
  slider->setValue(position);
  QStyleOptionSlider option;
  option.initFrom(slider);
  option.orientation = slider->orientation();
  option.minimum = slider->minimum();
  option.maximum = slider->maximum();
  option.sliderPosition = slider->sliderPosition();
  option.sliderValue = slider->value();
  option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
  const QPointF thumb =
      slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider).center();
  const QPointF global = slider->mapToGlobal(thumb);
  QMouseEvent press(QEvent::MouseButtonPress, thumb, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(slider, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, thumb, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(slider, &release);
}

void CloseWindow() {
  if (QWidget* window = Window()) window->close();
  detail::RunExitRoutines();
  detail::DestroyCurrentWindow();
}

QString ToQString(const ByteText& text) { return detail::ToQString(text); }
ByteText FromQString(const QString& text) { return detail::FromQString(text); }

}  // namespace tk::testing

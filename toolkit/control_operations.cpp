// Reading and writing the state of lamps, check boxes, sliders and timers.
#include <QCheckBox>
#include <QSlider>

#include "toolkit/shape_box.h"
#include "toolkit/timer_control.h"
#include "toolkit/window_state.h"

namespace tk {

Color GetFillColor(const ByteText& shapeBox) {
  return detail::Lookup(shapeBox, Kind::ShapeBox, "GetFillColor").shapeBox->fill();
}

void SetFillColor(const ByteText& shapeBox, Color color) {
  detail::Lookup(shapeBox, Kind::ShapeBox, "SetFillColor").shapeBox->setFill(color);
}

bool GetChecked(const ByteText& checkBox) {
  return static_cast<QCheckBox*>(detail::Lookup(checkBox, Kind::CheckBox, "GetChecked").widget)->isChecked();
}

int GetSliderPosition(const ByteText& slider) {
  return static_cast<QSlider*>(detail::Lookup(slider, Kind::Slider, "GetSliderPosition").widget)->value();
}

int GetTimerPeriod(const ByteText& timer) {
  return detail::Lookup(timer, Kind::Timer, "GetTimerPeriod").timer->period();
}

void SetTimerPeriod(const ByteText& timer, int milliseconds) {
  detail::Lookup(timer, Kind::Timer, "SetTimerPeriod").timer->setPeriod(milliseconds);
}

}  // namespace tk

#include "toolkit/controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "toolkit/colors.h"
#include "toolkit/edit_box.h"
#include "toolkit/fonts.h"
#include "toolkit/picture_box.h"
#include "toolkit/shape_box.h"
#include "toolkit/text_boundary.h"
#include "toolkit/timer_control.h"

namespace tk::detail {
namespace {

void SetColor(QWidget& widget, QPalette::ColorRole role, Color color) {
  QPalette palette = widget.palette();
  palette.setColor(role, ToQColor(color));
  widget.setPalette(palette);
}

// A background other than the default one is painted by the control itself.
void SetBackground(QWidget& widget, Color color, QPalette::ColorRole role = QPalette::Window) {
  if (color == kDefaultColor) return;
  SetColor(widget, role, color);
  widget.setAutoFillBackground(role == QPalette::Window);
}

QWidget* CreateLabel(const Control& control, QWidget* window) {
  auto* label = new ControlWidget<QLabel>(control.name, window);
  label->setTextFormat(Qt::PlainText);
  label->setText(ToQString(control.text));
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setWordWrap(false);
  SetColor(*label, QPalette::WindowText, control.textColor);
  SetBackground(*label, control.backColor);
  return label;
}

ControlEntry CreateEditBox(const Control& control, QWidget* window) {
  ControlEntry entry;
  EditBox* box = nullptr;
  if (control.multiLine) {
    box = new TextEditBox(control.name, window);
  } else {
    auto* line = new LineEditBox(control.name, control.inputMode, window);
    line->setAlignment((control.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    box = line;
  }
  QWidget* widget = box->widget();
  SetColor(*widget, QPalette::Text, control.textColor);
  SetBackground(*widget, control.backColor, QPalette::Base);
  box->replaceText(ToWidgetText(control.text, box->lineBreaks()));
  entry.widget = widget;
  entry.editBox = box;
  return entry;
}

QWidget* CreateButton(const Control& control, QWidget* window) {
  auto* button = new ControlWidget<QPushButton>(control.name, window);
  button->setText(ToQString(control.text));
  button->setAutoDefault(false);
  SetColor(*button, QPalette::ButtonText, control.textColor);
  SetBackground(*button, control.backColor, QPalette::Button);
  QObject::connect(button, &QPushButton::clicked, [name = control.name] { Dispatch(name, EventKind::Clicked); });
  return button;
}

QWidget* CreateCheckBox(const Control& control, QWidget* window) {
  auto* box = new ControlWidget<QCheckBox>(control.name, window);
  box->setText(ToQString(control.text));
  SetColor(*box, QPalette::WindowText, control.textColor);
  SetBackground(*box, control.backColor);
  QObject::connect(box, &QCheckBox::clicked, [name = control.name] { Dispatch(name, EventKind::Clicked); });
  return box;
}

QWidget* CreateSlider(const Control& control, QWidget* window) {
  auto* slider = new ControlWidget<QSlider>(control.name, Qt::Horizontal, window);
  slider->setRange(control.minimum, control.maximum);
  slider->setValue(control.position);
  slider->setPageStep(control.pageStep);
  slider->setSingleStep(control.lineStep);
  if (control.tickInterval > 0) {
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(control.tickInterval);
  }
  SetBackground(*slider, control.backColor);
  return slider;
}

}  // namespace

ControlEntry CreateControl(const Control& control, QWidget* window) {
  ControlEntry entry;
  switch (control.kind) {
    case Kind::Label: entry.widget = CreateLabel(control, window); break;
    case Kind::EditBox: entry = CreateEditBox(control, window); break;
    case Kind::Button: entry.widget = CreateButton(control, window); break;
    case Kind::CheckBox: entry.widget = CreateCheckBox(control, window); break;
    case Kind::Slider: entry.widget = CreateSlider(control, window); break;
    case Kind::PictureBox: {
      auto* box = new PictureBox(control.name, control.picture.get(), window);
      SetBackground(*box, control.backColor);
      entry.widget = box;
      break;
    }
    case Kind::ShapeBox: {
      auto* shape = new ShapeBox(control.name, control.shape, control.fill, window);
      SetBackground(*shape, control.backColor);
      entry.widget = shape;
      entry.shapeBox = shape;
      break;
    }
    case Kind::Timer:
      entry.timer = std::make_shared<TimerControl>(control.name, window);
      break;
  }
  entry.kind = control.kind;
  if (QWidget* widget = entry.widget) {
    const QString name = ToQString(control.name);
    widget->setObjectName(name);
    widget->setAccessibleName(name);
    widget->setFont(ToQFont(control.font));
    widget->setGeometry(control.x, control.y, control.width, control.height);
  }
  return entry;
}

bool TakesFocus(const ControlEntry& entry) {
  return entry.widget && entry.widget->focusPolicy() != Qt::NoFocus && entry.widget->isEnabled();
}

}  // namespace tk::detail

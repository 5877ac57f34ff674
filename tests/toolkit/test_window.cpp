#include "test_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include "radixcore/gbk.h"

namespace toolkit_test {

int Journal::count(const std::string& entry) const {
  return static_cast<int>(std::count(entries.begin(), entries.end(), entry));
}

void Journal::clear() {
  entries.clear();
  args.clear();
}

const ByteText& FieldName() { static const ByteText name = "输入10"_gbk; return name; }
const ByteText& TextFieldName() { static const ByteText name = "输入2"_gbk; return name; }
const ByteText& PlainFieldName() { static const ByteText name = "输入16"_gbk; return name; }
const ByteText& NotesName() { static const ByteText name = "找到的波特率"_gbk; return name; }
const ByteText& LabelName() { static const ByteText name = "标签1"_gbk; return name; }
const ByteText& LampName() { static const ByteText name = "A1"; return name; }
const ByteText& ButtonName() { static const ByteText name = "按钮3"_gbk; return name; }
const ByteText& SliderName() { static const ByteText name = "滑块条1"_gbk; return name; }
const ByteText& TimerName() { static const ByteText name = "动态扫描时钟"_gbk; return name; }

tk::WindowLayout TestLayout() {
  using tk::Control;
  using tk::Kind;
  tk::WindowLayout layout;
  layout.caption = "测试窗口"_gbk;
  layout.outerWidth = 400;
  layout.outerHeight = 300;
  // A label first: the focus goes to the first control that can take it.
  Control label = tk::Placed(Kind::Label, LabelName(), 8, 8, 48, 24);
  label.text = "P0="_gbk;
  label.font = {"宋体"_gbk, 29, true};
  layout.controls.push_back(label);
  Control field = tk::Placed(Kind::EditBox, FieldName(), 60, 8, 128, 33);
  field.text = "10";
  field.alignment = tk::Alignment::Centre;
  field.inputMode = tk::InputMode::Integer;
  layout.controls.push_back(field);
  Control textField = field;
  textField.name = TextFieldName();
  textField.y = 48;
  textField.inputMode = tk::InputMode::IntegerText;
  layout.controls.push_back(textField);
  Control plainField = field;
  plainField.name = PlainFieldName();
  plainField.y = 88;
  plainField.inputMode = tk::InputMode::Normal;
  layout.controls.push_back(plainField);
  Control notes = tk::Placed(Kind::EditBox, NotesName(), 0, 130, 300, 140);
  notes.multiLine = true;
  layout.controls.push_back(notes);
  Control lamp = tk::Placed(Kind::ShapeBox, LampName(), 200, 8, 30, 8);
  lamp.shape = tk::ShapeKind::Ellipse;
  layout.controls.push_back(lamp);
  Control button = tk::Placed(Kind::Button, ButtonName(), 240, 8, 96, 32);
  button.text = "单字扫描"_gbk;
  layout.controls.push_back(button);
  Control slider = tk::Placed(Kind::Slider, SliderName(), 200, 50, 180, 32);
  slider.minimum = 1;
  slider.maximum = 100;
  slider.position = 50;
  slider.tickInterval = 10;
  slider.pageStep = 5;
  layout.controls.push_back(slider);
  layout.controls.push_back(tk::Placed(Kind::Timer, TimerName(), 0, 0, 0, 0));
  return layout;
}

std::vector<tk::Binding> JournalBindings(Journal& journal) {
  static const std::vector<std::pair<tk::EventKind, std::string>> kinds = {
      {tk::EventKind::Created, "Created"},
      {tk::EventKind::Clicked, "Clicked"},
      {tk::EventKind::Tick, "Tick"},
      {tk::EventKind::GotFocus, "GotFocus"},
      {tk::EventKind::LeftButtonReleased, "LeftButtonReleased"},
      {tk::EventKind::DoubleClick, "DoubleClick"},
      {tk::EventKind::KeyReleased, "KeyReleased"},
  };
  std::vector<ByteText> controls = {tk::kWindow, LabelName(), FieldName(), TextFieldName(), PlainFieldName(),
                                    NotesName(), LampName(), ButtonName(), SliderName(), TimerName()};
  std::vector<tk::Binding> bindings;
  for (const ByteText& control : controls) {
    const std::string shown = control.empty() ? "window" : Utf8FromGbk(control);
    for (const auto& [kind, label] : kinds) {
      bindings.push_back(tk::On(control, kind, [&journal, entry = shown + ":" + label](const tk::EventArgs& args) {
        journal.entries.push_back(entry);
        journal.args.push_back(args);
      }));
    }
    bindings.push_back(tk::OnKeyPressed(control, [&journal, entry = shown + ":KeyPressed"](
                                                     const tk::EventArgs& args) {
      journal.entries.push_back(entry);
      journal.args.push_back(args);
      return args.keyCode != kCancelledKey;
    }));
  }
  return bindings;
}

QWidget* W(const ByteText& control) { return tk::testing::Widget(control); }

bool WaitFor(const std::function<bool()>& condition) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > 1000) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

void RealDoubleClick(QWidget* widget, QPoint at) {
  QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
}

}  // namespace toolkit_test

namespace toolkit_test {

void WindowTest::SetUp() {
  tk::LoadWindow(TestLayout(), JournalBindings(journal));
  ASSERT_TRUE(WaitFor([&] { return journal.count("输入10:GotFocus") == 2; }));
  journal.clear();
}

void WindowTest::TearDown() { tk::testing::CloseWindow(); }

}  // namespace toolkit_test

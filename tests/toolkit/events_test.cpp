// Keys and clicks reach the right handlers, in the right order, once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "test_window.h"
#include "toolkit/key_codes.h"

namespace toolkit_test {
namespace {

using EventsTest = WindowTest;

TEST_F(EventsTest, KeyPressedRunsBeforeTheKeyAndCanCancelItKeyReleasedRunsAfter) {
  QWidget* field = W(PlainFieldName());
  tk::SetText(PlainFieldName(), "");
  QTest::keyClicks(field, "aqb");
  EXPECT_EQ(tk::GetText(PlainFieldName()), "ab");
  EXPECT_EQ(journal.count("输入16:KeyPressed"), 3);
  EXPECT_EQ(journal.count("输入16:KeyReleased"), 3);
  ASSERT_EQ(journal.args.size(), 6u);
  EXPECT_EQ(journal.args[2].keyCode, kCancelledKey);

  // What each handler sees of the text.
  tk::testing::CloseWindow();
  std::vector<ByteText> seen;
  tk::LoadWindow(TestLayout(), {tk::OnKeyPressed(PlainFieldName(),
                                                 [&](const tk::EventArgs&) {
                                                   seen.push_back("pressed:" + tk::GetText(PlainFieldName()));
                                                   return true;
                                                 }),
                                tk::On(PlainFieldName(), tk::EventKind::KeyReleased,
                                       [&] { seen.push_back("released:" + tk::GetText(PlainFieldName())); })});
  tk::SetText(PlainFieldName(), "");
  QTest::keyClick(W(PlainFieldName()), Qt::Key_7);
  EXPECT_EQ(seen, (std::vector<ByteText>{"pressed:", "released:7"}));
}

TEST_F(EventsTest, AutoRepeatGivesManyPressesButOneRelease) {
  QWidget* field = W(PlainFieldName());
  tk::SetText(PlainFieldName(), "");
  auto send = [field](QEvent::Type type, bool autoRepeat) {
    QKeyEvent event(type, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"), autoRepeat);
    QApplication::sendEvent(field, &event);
  };
  send(QEvent::KeyPress, false);
  for (int repeat = 0; repeat < 3; ++repeat) {
    send(QEvent::KeyRelease, true);
    send(QEvent::KeyPress, true);
  }
  send(QEvent::KeyRelease, false);
  EXPECT_EQ(tk::GetText(PlainFieldName()), "5555");
  EXPECT_EQ(journal.count("输入16:KeyPressed"), 4);
  EXPECT_EQ(journal.count("输入16:KeyReleased"), 1);
}

TEST_F(EventsTest, KeysArriveAsPlatformNeutralCodesAndModifiers) {
  QWidget* field = W(PlainFieldName());
  QTest::keyClick(field, Qt::Key_7, Qt::KeypadModifier);
  QTest::keyClick(field, Qt::Key_Return);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClick(field, Qt::Key_X, Qt::AltModifier);
  // QTest presses and releases the modifier keys around a key; leave them out.
  std::vector<std::pair<int, int>> pressed;
  for (std::size_t at = 0; at < journal.entries.size(); ++at) {
    const tk::EventArgs& args = journal.args[at];
    if (journal.entries[at] == "输入16:KeyPressed" && (args.keyCode < 16 || args.keyCode > 18)) {
      pressed.emplace_back(args.keyCode, args.modifiers);
    }
  }
  EXPECT_EQ(pressed, (std::vector<std::pair<int, int>>{{55, 0}, {13, 0}, {65, 3}, {88, 4}}));
}

TEST(KeyCodes, QtKeysMapToThePhysicalKeysCode) {
  struct Row {
    int qtKey;
    bool keypad;
    int code;
  };
  const Row rows[] = {
      {Qt::Key_A, false, 65},       {Qt::Key_Z, false, 90},      {Qt::Key_0, false, 48},
      {Qt::Key_9, true, 57},        {Qt::Key_Return, false, 13}, {Qt::Key_Enter, true, 13},
      {Qt::Key_Escape, false, 27},  {Qt::Key_Backspace, false, 8}, {Qt::Key_Tab, false, 9},
      {Qt::Key_Shift, false, 16},   {Qt::Key_Control, false, 17}, {Qt::Key_Alt, false, 18},
      {Qt::Key_Space, false, 32},   {Qt::Key_Left, false, 37},   {Qt::Key_Down, false, 40},
      {Qt::Key_Delete, false, 46},  {Qt::Key_F1, false, 112},    {Qt::Key_Exclam, false, 49},
      {Qt::Key_ParenRight, false, 48}, {Qt::Key_Minus, false, 189}, {Qt::Key_Minus, true, 109},
      {Qt::Key_unknown, false, 0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(tk::detail::KeyCode(row.qtKey, row.keypad), row.code) << std::hex << row.qtKey;
  }
}

TEST(KeyCodes, AModifierKeyCountsAsHeldWhilePressedOnly) {
  using tk::detail::ModifierBits;
  EXPECT_EQ(ModifierBits(Qt::NoModifier, Qt::Key_Shift, true), 2);
  EXPECT_EQ(ModifierBits(Qt::ShiftModifier, Qt::Key_Shift, false), 0);
  EXPECT_EQ(ModifierBits(Qt::ShiftModifier, Qt::Key_Control, true), 3);
  EXPECT_EQ(ModifierBits(Qt::ControlModifier | Qt::AltModifier, Qt::Key_A, true), 5);
}

// A real double click: press, release, double click, release.
TEST_F(EventsTest, MouseEventsStayWithTheControlTheyHappenOn) {
  struct Row {
    const ByteText& control;
    std::string shown;
    QPoint at;
  };
  const Row rows[] = {
      {LabelName(), "标签1", QPoint(5, 6)},  {LampName(), "A1", QPoint(10, 4)},
      {ButtonName(), "按钮3", QPoint(20, 10)}, {FieldName(), "输入10", QPoint(30, 12)},
  };
  for (const Row& row : rows) {
    journal.clear();
    RealDoubleClick(W(row.control), row.at);
    EXPECT_EQ(journal.count(row.shown + ":LeftButtonReleased"), 2) << row.shown;
    EXPECT_EQ(journal.count(row.shown + ":DoubleClick"), 1) << row.shown;
    EXPECT_EQ(journal.count("window:DoubleClick"), 0) << row.shown;
    EXPECT_EQ(journal.count("window:LeftButtonReleased"), 0) << row.shown;
    const auto& release = journal.args[std::find(journal.entries.begin(), journal.entries.end(),
                                                 row.shown + ":LeftButtonReleased") -
                                       journal.entries.begin()];
    EXPECT_EQ(QPoint(release.x, release.y), row.at) << row.shown;
  }

  // Clicks in the multi-line box land on its viewport.
  journal.clear();
  auto* notes = static_cast<QPlainTextEdit*>(W(NotesName()));
  RealDoubleClick(notes->viewport(), QPoint(10, 10));
  EXPECT_EQ(journal.count("找到的波特率:LeftButtonReleased"), 2);
  EXPECT_EQ(journal.count("window:DoubleClick"), 0);

  journal.clear();
  RealDoubleClick(tk::testing::Window(), QPoint(350, 100));
  EXPECT_EQ(journal.count("window:DoubleClick"), 1);
  EXPECT_EQ(journal.count("window:LeftButtonReleased"), 2);
}

TEST_F(EventsTest, SliderReleaseHandlerSeesTheFinalPosition) {
  tk::testing::CloseWindow();
  int seenAtRelease = -1;
  tk::LoadWindow(TestLayout(), {tk::On(SliderName(), tk::EventKind::LeftButtonReleased,
                                       [&] { seenAtRelease = tk::GetSliderPosition(SliderName()); })});
  auto* slider = static_cast<QSlider*>(W(SliderName()));
  // A click on the groove right of the thumb pages the thumb to the right.
  QStyleOptionSlider option;
  option.initFrom(slider);
  option.orientation = slider->orientation();
  option.minimum = slider->minimum();
  option.maximum = slider->maximum();
  option.sliderPosition = option.sliderValue = slider->value();
  option.tickPosition = slider->tickPosition();
  option.tickInterval = slider->tickInterval();
  const QRect groove = slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, slider);
  QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, QPoint(groove.right() - 2, groove.center().y()));
  EXPECT_NE(tk::GetSliderPosition(SliderName()), 50);
  EXPECT_EQ(seenAtRelease, tk::GetSliderPosition(SliderName()));
}

TEST_F(EventsTest, ButtonsReportClicksFromMouseAndKeyboard) {
  QWidget* button = W(ButtonName());
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
  QTest::keyClick(button, Qt::Key_Space);
  EXPECT_EQ(journal.count("按钮3:Clicked"), 2);
}

}  // namespace
}  // namespace toolkit_test

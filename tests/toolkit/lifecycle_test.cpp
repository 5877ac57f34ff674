// The window's life: creation, the focus at start, its frame figures,
// closing and the exit routines.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "test_window.h"

namespace toolkit_test {
namespace {

class LifecycleTest : public ::testing::Test {
 protected:
  void TearDown() override { tk::testing::CloseWindow(); }
  Journal journal;
};

TEST_F(LifecycleTest, CreatedRunsWhileHiddenThenFocusGoesTwiceToFirstFocusableControl) {
  bool hiddenWhenCreated = false;
  auto bindings = JournalBindings(journal);
  bindings.push_back(tk::On(tk::kWindow, tk::EventKind::Created,
                            [&] { hiddenWhenCreated = !tk::testing::Window()->isVisible(); }));
  tk::LoadWindow(TestLayout(), bindings);

  EXPECT_TRUE(hiddenWhenCreated);
  ASSERT_GE(journal.entries.size(), 2u);
  EXPECT_EQ(journal.entries[0], "window:Created");
  EXPECT_EQ(journal.entries[1], "输入10:GotFocus");
  EXPECT_TRUE(tk::testing::Window()->isVisible());

  ASSERT_TRUE(WaitFor([&] { return journal.count("输入10:GotFocus") == 2; }));
  QTest::qWait(50);
  EXPECT_EQ(journal.count("输入10:GotFocus"), 2);
  EXPECT_EQ(QApplication::focusWidget(), W(FieldName()));

  // Later focus changes fire as usual.
  W(NotesName())->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(journal.count("找到的波特率:GotFocus"), 1);
}

TEST_F(LifecycleTest, WindowIsFixedCentredAndCountsANotionalFrame) {
  tk::LoadWindow(TestLayout(), {});
  QWidget* window = tk::testing::Window();
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("测试窗口"));
  EXPECT_EQ(window->size(), QSize(394, 274));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  const Qt::WindowFlags flags = window->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));

  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(window->geometry().topLeft(), available.topLeft() + QPoint((available.width() - 400) / 2 + 3,
                                                        (available.height() - 300) / 2 + 23));

  EXPECT_EQ(tk::GetWindowHeight(), 300);
  const QPoint position = window->pos();
  for (int height : {147, 350}) {
    tk::SetWindowHeight(height);
    EXPECT_EQ(tk::GetWindowHeight(), height);
    EXPECT_EQ(window->height(), height - 26);
    EXPECT_EQ(window->width(), 394);
    EXPECT_EQ(window->pos(), position);
  }
}

TEST_F(LifecycleTest, EscInAnEditBoxClosesTheWindowAndTheExitRoutineRunsOnce) {
  int exits = 0;
  tk::RegisterExitRoutine([&] { ++exits; });
  tk::LoadWindow(TestLayout(), JournalBindings(journal));
  bool closedByEsc = false;
  QTimer::singleShot(0, [&] {
    QTest::keyClick(W(FieldName()), Qt::Key_Escape);
    closedByEsc = !tk::testing::Window()->isVisible();
  });
  // Should Esc fail, the test fails instead of hanging.
  QTimer::singleShot(3000, [] { tk::testing::Window()->close(); });

  EXPECT_EQ(tk::RunEventLoop(), 0);
  EXPECT_TRUE(closedByEsc);
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(tk::testing::Window(), nullptr);
  tk::testing::CloseWindow();
  EXPECT_EQ(exits, 1);
}

TEST_F(LifecycleTest, ClosingWithoutTheLoopRunsTheExitRoutineOnceAndAllowsANewWindow) {
  int exits = 0;
  tk::RegisterExitRoutine([&] { ++exits; });
  tk::LoadWindow(TestLayout(), {});
  tk::testing::Window()->close();  // the close box
  EXPECT_EQ(tk::RunEventLoop(), 0);
  EXPECT_EQ(exits, 1);

  tk::LoadWindow(TestLayout(), {});
  EXPECT_EQ(tk::GetText(FieldName()), "10");
  tk::testing::CloseWindow();
  EXPECT_EQ(exits, 1);
}

TEST_F(LifecycleTest, ControlsCarryTheirNamesForScreenReaders) {
  tk::LoadWindow(TestLayout(), {});
  for (const ByteText& name : {LabelName(), FieldName(), NotesName(), LampName(), ButtonName(), SliderName()}) {
    QWidget* widget = W(name);
    ASSERT_NE(widget, nullptr);
    const QString expected = tk::testing::ToQString(name);
    EXPECT_EQ(widget->objectName(), expected);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), expected);
  }
  EXPECT_EQ(W(TimerName()), nullptr);
}

using LifecycleDeathTest = LifecycleTest;

TEST_F(LifecycleDeathTest, NamingAControlTheWindowLacksEndsTheProgramWithItsName) {
  tk::LoadWindow(TestLayout(), {});
  EXPECT_DEATH(tk::GetText("不存在"_gbk), "no control named \"不存在\"");
  EXPECT_DEATH(tk::SetFillColor(FieldName(), 0), "\"输入10\" is an edit box, not a shape box");
  EXPECT_DEATH(tk::LoadWindow(TestLayout(), {tk::On("按钮9"_gbk, tk::EventKind::Clicked, [] {})}), "按钮9");
}

}  // namespace
}  // namespace toolkit_test

// The integer input modes: typing is filtered, pasting is not, and an
// integer field tidies its number when the focus leaves it.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include "test_window.h"

namespace toolkit_test {
namespace {

using InputModesTest = WindowTest;

QLineEdit* Line(const ByteText& control) { return static_cast<QLineEdit*>(W(control)); }

void TypeChinese(QWidget* widget, const char* utf8) {
  QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUtf8(utf8), Qt::NoModifier);
}

void CommitFromInputMethod(QWidget* widget, const char* utf8) {
  QInputMethodEvent event;
  event.setCommitString(QString::fromUtf8(utf8));
  QGuiApplication::sendEvent(widget, &event);
}

TEST_F(InputModesTest, IntegerModesDropTypedCharactersOtherThanDigitsAndMinus) {
  struct Row {
    const ByteText& field;
    ByteText typed;  // after "1a-2 b.+", a Chinese key and an input-method commit
  };
  const Row rows[] = {
      {FieldName(), "1-2" "3" "45"},
      {TextFieldName(), "1-2" "3" "45"},
      {PlainFieldName(), "1a-2 b.+" "中"_gbk + "3" + "4x5"},
  };
  for (const Row& row : rows) {
    QWidget* field = W(row.field);
    field->setFocus();
    tk::SetText(row.field, "");
    QTest::keyClicks(field, "1a-2 b.+");
    TypeChinese(field, "中");
    QTest::keyClick(field, Qt::Key_3);
    CommitFromInputMethod(field, "4x5");
    EXPECT_EQ(tk::GetText(row.field), row.typed);
  }
  // The handler saw the dropped keys first.
  EXPECT_EQ(journal.count("输入10:KeyPressed"), 10);

  // Editing keys still work.
  QWidget* field = W(TextFieldName());
  field->setFocus();
  Line(TextFieldName())->end(false);
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClick(field, Qt::Key_Home);
  QTest::keyClick(field, Qt::Key_Delete);
  EXPECT_EQ(tk::GetText(TextFieldName()), "-234");
}

TEST_F(InputModesTest, PastedAndWrittenTextsAreNotFiltered) {
  QGuiApplication::clipboard()->setText(QString::fromUtf8("ab十2"));
  tk::SetText(FieldName(), "1");
  Line(FieldName())->end(false);
  QTest::keyClick(W(FieldName()), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(tk::GetText(FieldName()), "1ab十2"_gbk);

  tk::SetText(TextFieldName(), "xyz");
  EXPECT_EQ(tk::GetText(TextFieldName()), "xyz");
}

TEST_F(InputModesTest, IntegerFieldNormalisesWhenTheFocusLeavesWithoutKeyEvents) {
  struct Row {
    ByteText text;
    ByteText normal;
  };
  const std::string thirtyDigits(30, '9');
  const Row rows[] = {
      {"007", "7"},
      {"0", ""},
      {"99999999999", "2147483647"},
      {thirtyDigits, "2147483647"},
      {"-" + thirtyDigits, "-2147483648"},
      {"  12ab", "12"},
      {"ab十"_gbk, ""},
      {"-5", "-5"},
      {"", ""},
  };
  for (const Row& row : rows) {
    W(FieldName())->setFocus(Qt::TabFocusReason);
    tk::SetText(FieldName(), row.text);
    tk::SetText(TextFieldName(), row.text);
    W(PlainFieldName())->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(tk::GetText(FieldName()), row.normal) << row.text;

    // The integer-text field keeps what it holds.
    W(TextFieldName())->setFocus(Qt::TabFocusReason);
    W(PlainFieldName())->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(tk::GetText(TextFieldName()), row.text);
  }
  for (const std::string& entry : journal.entries) {
    EXPECT_EQ(entry.find(":Key"), std::string::npos) << entry;
  }
}

TEST_F(InputModesTest, OpeningAContextMenuIsNotLeavingTheField) {
  tk::SetText(FieldName(), "007");
  QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
  QGuiApplication::sendEvent(W(FieldName()), &toMenu);
  EXPECT_EQ(tk::GetText(FieldName()), "007");
}

}  // namespace
}  // namespace toolkit_test

// Texts cross into the widgets as GBK, selections count GBK bytes.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "test_window.h"

namespace toolkit_test {
namespace {

using TextsTest = WindowTest;

QLineEdit* Line(const ByteText& control) { return static_cast<QLineEdit*>(W(control)); }
QPlainTextEdit* Notes() { return static_cast<QPlainTextEdit*>(W(NotesName())); }

TEST_F(TextsTest, TextsRoundTripThroughTheWidgetsAsGbk) {
  const ByteText texts[] = {"", "FF", "中文ab"_gbk, "请输入十进制数"_gbk, "参数错误-进制只能在2-36之间"_gbk};
  for (const ByteText& text : texts) {
    tk::SetText(PlainFieldName(), text);
    EXPECT_EQ(Line(PlainFieldName())->text(), tk::testing::ToQString(text));
    EXPECT_EQ(tk::GetText(PlainFieldName()), text);
    tk::SetText(tk::kWindow, text);
    EXPECT_EQ(tk::GetText(tk::kWindow), text);
  }
  EXPECT_TRUE(journal.entries.empty()) << "writing a text raised " << journal.entries.front();
}

TEST_F(TextsTest, CharactersGbkCannotHoldReadBackAsQuestionMarks) {
  Line(PlainFieldName())->setText(QString::fromUtf8("a😀b한ßé"));
  EXPECT_EQ(tk::GetText(PlainFieldName()), "a?b??" + "é"_gbk);
}

TEST_F(TextsTest, CaptionShowsExactlyWhatWasWritten) {
  const ByteText caption = "正在[*]查找100%。"_gbk;
  tk::SetText(tk::kWindow, caption);
  EXPECT_EQ(tk::GetText(tk::kWindow), caption);
  EXPECT_EQ(tk::testing::Window()->windowHandle()->title(), tk::testing::ToQString(caption));
}

TEST_F(TextsTest, SelectionsCountGbkBytes) {
  struct Row {
    ByteText text;
    int start;
    int length;
    QString selected;
  };
  const Row rows[] = {
      {"中文ab"_gbk, 0, 6, QString::fromUtf8("中文ab")},
      {"中文ab"_gbk, 2, 3, QString::fromUtf8("文a")},
      {"中文ab"_gbk, 1, 1, QString::fromUtf8("中")},  // inside a character: the whole of it
      {"中文ab"_gbk, 4, 99, QStringLiteral("ab")},
      {"中文ab"_gbk, -7, 2, QString::fromUtf8("中")},  // negatives count as 0
      {"10", 0, 0, QString()},
  };
  for (const Row& row : rows) {
    tk::SetText(PlainFieldName(), row.text);
    tk::SetSelectionStart(PlainFieldName(), row.start);
    tk::SetSelectionLength(PlainFieldName(), row.length);
    EXPECT_EQ(Line(PlainFieldName())->selectedText(), row.selected) << row.start << "," << row.length;
  }

  // A character that became "?" is one byte; the start keeps the last length.
  Line(PlainFieldName())->setText(QString::fromUtf8("a😀b中"));
  tk::SetSelectionLength(PlainFieldName(), 2);
  tk::SetSelectionStart(PlainFieldName(), 1);
  EXPECT_EQ(Line(PlainFieldName())->selectedText(), QString::fromUtf8("😀b"));
  tk::SetSelectionStart(PlainFieldName(), 3);
  EXPECT_EQ(Line(PlainFieldName())->selectedText(), QString::fromUtf8("中"));

  tk::SetSelectionStart(PlainFieldName(), -1);
  EXPECT_FALSE(Line(PlainFieldName())->hasSelectedText());
  EXPECT_EQ(Line(PlainFieldName())->cursorPosition(), Line(PlainFieldName())->text().size());
  tk::SetSelectionLength(PlainFieldName(), -1);
  EXPECT_EQ(Line(PlainFieldName())->selectedText(), Line(PlainFieldName())->text());
}

TEST_F(TextsTest, MultiLineTextsUseCrLfAndCountItAsTwoBytes) {
  const ByteText text = "一\r\n二三\r\nxyz"_gbk;
  tk::SetText(NotesName(), text);
  EXPECT_EQ(tk::GetText(NotesName()), text);
  EXPECT_EQ(Notes()->document()->blockCount(), 3);
  tk::SetSelectionStart(NotesName(), 4);
  tk::SetSelectionLength(NotesName(), 4);
  EXPECT_EQ(Notes()->textCursor().selectedText(), QString::fromUtf8("二三"));
  tk::SetSelectionStart(NotesName(), 10);
  tk::SetSelectionLength(NotesName(), 3);
  EXPECT_EQ(Notes()->textCursor().selectedText(), QStringLiteral("xyz"));
  tk::SetSelectionStart(NotesName(), 2);
  tk::SetSelectionLength(NotesName(), 2);
  EXPECT_EQ(Notes()->textCursor().selectedText(), QString(QChar::ParagraphSeparator));
}

TEST_F(TextsTest, AppendTextGoesToTheEndDropsTheSelectionAndScrolls) {
  tk::SetText(NotesName(), "");
  ByteText expected;
  for (int line = 0; line < 60; ++line) {
    const ByteText text = "定时器值:"_gbk + std::to_string(line) + "\r\n";
    tk::SetSelectionStart(NotesName(), 0);
    tk::SetSelectionLength(NotesName(), 3);
    tk::AppendText(NotesName(), text);
    expected += text;
  }
  EXPECT_EQ(tk::GetText(NotesName()), expected);
  EXPECT_FALSE(Notes()->textCursor().hasSelection());
  EXPECT_TRUE(Notes()->textCursor().atEnd());
  QTest::qWait(20);
  EXPECT_GT(Notes()->verticalScrollBar()->value(), 40);
  EXPECT_TRUE(Notes()->viewport()->rect().contains(Notes()->cursorRect()));

  tk::SetText(PlainFieldName(), "12");
  tk::SetSelectionLength(PlainFieldName(), -1);
  tk::AppendText(PlainFieldName(), "中"_gbk);
  EXPECT_EQ(tk::GetText(PlainFieldName()), "12中"_gbk);
  EXPECT_FALSE(Line(PlainFieldName())->hasSelectedText());
}

}  // namespace
}  // namespace toolkit_test

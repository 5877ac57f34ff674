#pragma once
// A fresh converter window per test, driven through its real widgets with
// Qt Test key and mouse events. Texts are read back in UTF-8 so that a
// failing comparison prints readable Chinese.

#include <gtest/gtest.h>

#include <QString>
#include <Qt>
#include <string>

#include "radixcore/bytetext.h"

class QLineEdit;

namespace radixconv {

enum class Source { Decimal, Hex, Binary };

const ByteText& FieldName(Source source);

class ConverterWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  static QLineEdit* Field(Source source);
  // Gives the field the keyboard focus as Tab would, without a Tab key
  // release reaching it.
  static void Focus(Source source);
  // A click at the right end of the field: the caret goes to the end and the
  // selection is dropped, with no key event.
  static void ClickAtEnd(Source source);
  static void Type(Source source, const QString& keys);
  static void Press(Source source, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Puts text on the clipboard and pastes it with Ctrl+V.
  static void Paste(Source source, const QString& text);

  static std::string Text(Source source);
  static std::string SelectedText(Source source);
  static std::string Caption();
  // The lamps from 外形框8 (D7) down to 外形框1 (D0): R red, B black, - no fill.
  static std::string LampPattern();
};

}  // namespace radixconv

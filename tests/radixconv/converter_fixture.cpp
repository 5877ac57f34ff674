#include "converter_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "radixconv/converter_window.h"
#include "radixconv/fields.h"
#include "radixconv/names.h"
#include "radixcore/gbk.h"
#include "toolkit/testing.h"
#include "toolkit/toolkit.h"

namespace radixconv {

const ByteText& FieldName(Source source) {
  switch (source) {
    case Source::Decimal: return DecimalField();
    case Source::Hex: return HexField();
    case Source::Binary: return BinaryField();
  }
  return DecimalField();
}

void ConverterWindowTest::SetUp() {
  OpenConverterWindow();
  QWidget* window = tk::testing::Window();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

void ConverterWindowTest::TearDown() { tk::testing::CloseWindow(); }

QLineEdit* ConverterWindowTest::Field(Source source) {
  auto* field = qobject_cast<QLineEdit*>(tk::testing::Widget(FieldName(source)));
  EXPECT_NE(field, nullptr);
  return field;
}

void ConverterWindowTest::Focus(Source source) { Field(source)->setFocus(Qt::TabFocusReason); }

void ConverterWindowTest::ClickAtEnd(Source source) {
  QLineEdit* field = Field(source);
  QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(field->width() - 3, field->height() / 2));
}

void ConverterWindowTest::Type(Source source, const QString& keys) { QTest::keyClicks(Field(source), keys); }

void ConverterWindowTest::Press(Source source, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(Field(source), key, modifiers);
}

void ConverterWindowTest::Paste(Source source, const QString& text) {
  QApplication::clipboard()->setText(text);
  Press(source, Qt::Key_V, Qt::ControlModifier);
}

std::string ConverterWindowTest::Text(Source source) { return Utf8FromGbk(tk::GetText(FieldName(source))); }

std::string ConverterWindowTest::SelectedText(Source source) { return Field(source)->selectedText().toStdString(); }

std::string ConverterWindowTest::Caption() { return Utf8FromGbk(tk::GetText(tk::kWindow)); }

std::string ConverterWindowTest::LampPattern() {
  std::string pattern;
  for (int lamp = kBitLampCount; lamp >= 1; --lamp) {
    const tk::Color fill = tk::GetFillColor(BitLamp(lamp));
    pattern += fill == kZeroBitColor ? 'R' : fill == kOtherBitColor ? 'B' : fill == tk::kDefaultColor ? '-' : '?';
  }
  return pattern;
}

}  // namespace radixconv

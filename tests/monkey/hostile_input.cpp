#include "hostile_input.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QWidget>

#include "toolkit/testing.h"

namespace monkey {
namespace {

QString Repeated(const QString& piece) {
  QString text;
  text.reserve(kMillion + piece.size());
  while (text.size() < kMillion) text += piece;
  text.truncate(kMillion);
  return text;
}

}  // namespace

const QString& MillionDigits() {
  static const QString digits = Repeated(QStringLiteral("1234567890"));
  return digits;
}

const QString& MillionChinese() {
  // It ends in an emoji, which GBK cannot hold either.
  static const QString text = [] {
    QString chinese = Repeated(QString::fromUtf8("晶振频率十六进制数段码位码，波特率！ＡＢ１２ ab한"));
    chinese.replace(kMillion - 2, 2, QString::fromUtf8("😀"));
    return chinese;
  }();
  return text;
}

const QString& MillionOutsideGbk() {
  static const QString text = Repeated(QString::fromUtf8("한국어ภาษาไทย"));
  return text;
}

void Focus(const ByteText& control) { tk::testing::Widget(control)->setFocus(Qt::MouseFocusReason); }

void Type(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) {
  QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), key, text, modifiers);
}

void Settle() { QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers); }

double PasteOver(const ByteText& control, const QString& text) {
  Focus(control);
  QApplication::clipboard()->setText(text);
  QElapsedTimer clock;
  clock.start();
  QWidget* widget = tk::testing::Widget(control);
  QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
  Settle();
  return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

}  // namespace monkey

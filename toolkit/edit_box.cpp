#include "toolkit/edit_box.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <QTimer>
#include <QValidator>
#include <utility>
#include <limits>

#include "radixcore/text.h"
#include "toolkit/input_filter.h"

namespace tk::detail {
namespace {

// A single-line box holds one line: the line breaks a paste, a drop or a
// written text brings are dropped and the text around them is kept, so a
// copied line with its line end pastes as the line alone. Kept, they would
// reach the programs inside a one-line text, and a program that lists that
// text line by line would list broken lines.
class OneLine : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& position) const override {
    if (!input.contains(QLatin1Char('\n')) && !input.contains(QLatin1Char('\r'))) return Acceptable;
    QString kept;
    kept.reserve(input.size());
    int keptBeforeCaret = 0;
    for (qsizetype at = 0; at < input.size(); ++at) {
      const QChar character = input.at(at);
      if (character == QLatin1Char('\n') || character == QLatin1Char('\r')) continue;
      kept += character;
      if (at < position) ++keptBeforeCaret;
    }
    input = kept;
    position = keptBeforeCaret;
    return Acceptable;
  }
};

}  // namespace

LineEditBox::LineEditBox(const ByteText& control, InputMode mode, QWidget* parent)
    : ControlWidget<QLineEdit>(control, parent), mode_(mode) {
  // The programs put no limit on what a field holds.
  setMaxLength(std::numeric_limits<int>::max());
  setValidator(new OneLine(this));
}

void LineEditBox::replaceText(const QString& text) {
  setText(text);
  setCursorPosition(0);
}

void LineEditBox::append(const QString& text) {
  deselect();
  end(false);
  insert(text);
}

void LineEditBox::select(int from, int to) {
  if (to == from) {
    setCursorPosition(from);
  } else {
    setSelection(from, to - from);
  }
}

void LineEditBox::keyPressEvent(QKeyEvent* event) {
  // Ctrl combinations are shortcuts (paste among them), not typing.
  const bool shortcut = event->modifiers().testFlag(Qt::ControlModifier);
  if (mode_ == InputMode::Normal || shortcut || event->text().isEmpty()) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const QString kept = FilterTypedText(event->text());
  if (kept == event->text()) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (!kept.isEmpty()) insert(kept);
  event->accept();
}

void LineEditBox::inputMethodEvent(QInputMethodEvent* event) {
  if (mode_ == InputMode::Normal) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  // What an input method commits is typing too, character by character.
  const QString kept = FilterTypedText(event->commitString());
  if (kept == event->commitString()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&filtered);
  event->accept();
}

void LineEditBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Opening a context menu (to paste, say) is no leaving of the field.
  if (mode_ != InputMode::Integer || event->reason() == Qt::PopupFocusReason) return;
  const ByteText current = FromQString(text());
  const ByteText normal = NormaliseIntegerText(current);
  if (normal != current) replaceText(ToQString(normal));
}

TextEditBox::TextEditBox(const ByteText& control, QWidget* parent) : ControlWidget<QPlainTextEdit>(control, parent) {
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Wrapped at the box width wherever the width runs out. Looking for a
  // word boundary first rescans the rest of an unbroken run for every line
  // it wraps, so one line of a million digits took minutes to show.
  setWordWrapMode(QTextOption::WrapAnywhere);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
}

QString TextEditBox::widgetText() const {
  // Raw text keeps every character as typed (toPlainText would turn
  // non-breaking spaces into spaces); blocks are joined by U+2029.
  QString text = document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  return text + pendingAppend_;
}

void TextEditBox::replaceText(const QString& text) {
  pendingAppend_.clear();
  setPlainText(text);
}

void TextEditBox::append(const QString& text) {
  if (pendingAppend_.isEmpty()) QTimer::singleShot(0, this, [this] { settle(); });
  pendingAppend_ += text;
}

void TextEditBox::settle() {
  if (pendingAppend_.isEmpty()) return;
  const QString text = std::exchange(pendingAppend_, QString());
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(text);
  setTextCursor(cursor);
  ensureCursorVisible();
}

void TextEditBox::select(int from, int to) {
  settle();
  QTextCursor cursor(document());
  cursor.setPosition(from);
  cursor.setPosition(to, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

bool TextEditBox::event(QEvent* event) {
  settle();
  return ControlWidget<QPlainTextEdit>::event(event);
}

bool TextEditBox::viewportEvent(QEvent* event) {
  settle();
  if (!IsMouseButtonEvent(event)) return QPlainTextEdit::viewportEvent(event);
  return RouteMouseEvent(controlName(), this, viewport(), event,
                         [this](QEvent* e) { return QPlainTextEdit::viewportEvent(e); });
}

}  // namespace tk::detail

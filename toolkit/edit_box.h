#pragma once
// The two edit boxes: single-line (with the input modes) and multi-line. The
// operations of toolkit.h see both through EditBox, in the programs' terms:
// GBK text with "\r\n" line breaks and selections counted in bytes.

#include <QLineEdit>
#include <QPlainTextEdit>

#include "toolkit/control_events.h"
#include "toolkit/text_boundary.h"
#include "toolkit/toolkit.h"

namespace tk::detail {

class EditBox {
 public:
  virtual ~EditBox() = default;

  virtual QWidget* widget() = 0;
  virtual LineBreaks lineBreaks() const = 0;
  // The text as the widget holds it (one '\n' per line break).
  virtual QString widgetText() const = 0;
  // Replaces the whole text; the caret goes to the start.
  virtual void replaceText(const QString& text) = 0;
  // Caret to the end, selection dropped, text inserted there, caret shown.
  virtual void append(const QString& text) = 0;
  // Selects the characters from..to (to >= from); the caret ends at to.
  virtual void select(int from, int to) = 0;
  // Brings the widget up to date with every operation written so far.
  virtual void settle() {}

  // The selection as the program last wrote it, in bytes.
  int selectionStart = 0;
  int selectionLength = 0;

  // The last text of a single-line box read by the program, and what it read.
  QString readFrom;
  ByteText read;
};

class LineEditBox : public ControlWidget<QLineEdit>, public EditBox {
 public:
  LineEditBox(const ByteText& control, InputMode mode, QWidget* parent);

  QWidget* widget() override { return this; }
  LineBreaks lineBreaks() const override { return LineBreaks::OneChar; }
  QString widgetText() const override { return text(); }
  void replaceText(const QString& text) override;
  void append(const QString& text) override;
  void select(int from, int to) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  InputMode mode_;
};

// Appends are gathered and inserted in one go before the box next handles
// an event or an operation: inserting a line at the caret makes Qt lay the
// line out at once, which for a table of a few hundred lines written by one
// handler costs far more than the single insertion, and nothing of the box
// is shown before the handler returns anyway.
class TextEditBox : public ControlWidget<QPlainTextEdit>, public EditBox {
 public:
  TextEditBox(const ByteText& control, QWidget* parent);

  QWidget* widget() override { return this; }
  LineBreaks lineBreaks() const override { return LineBreaks::CrLf; }
  QString widgetText() const override;
  void replaceText(const QString& text) override;
  void append(const QString& text) override;
  void select(int from, int to) override;
  void settle() override;

 protected:
  bool event(QEvent* event) override;
  // Clicks land on the viewport; they are this control's clicks.
  bool viewportEvent(QEvent* event) override;

 private:
  QString pendingAppend_;
};

}  // namespace tk::detail

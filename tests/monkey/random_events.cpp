#include "random_events.h"

#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeySequence>
#include <QStyle>
#include <QTest>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <random>
#include <sstream>

#include "radixcore/gbk.h"
#include "toolkit/testing.h"
#include "toolkit/toolkit.h"

namespace monkey {
namespace {

// What one key stroke can type: digits, letters and signs, their full-width
// forms and the ideographic space, Chinese, and characters GBK cannot hold.
const std::vector<char32_t>& TypedCharacters() {
  static const std::vector<char32_t> characters = [] {
    const QString all = QString::fromUtf8(
        "0123456789abcdefxyzABCDEFXYZ-+. "
        "０１２３４５６７８９ＡＢＣＤＥＦａｂｃｄｅｆ－＋　"
        "十六进制段码晶振频率波特率！"
        "😀한ก");
    const QList<uint> codes = all.toUcs4();
    return std::vector<char32_t>(codes.begin(), codes.end());
  }();
  return characters;
}

// The keys that edit, move, select or leave rather than type; Esc is left
// out because it closes the window.
struct Stroke {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char* text;
};

const Stroke kEditingStrokes[] = {
    {Qt::Key_Return, Qt::NoModifier, "\r"},
    {Qt::Key_Enter, Qt::KeypadModifier, "\r"},
    {Qt::Key_Backspace, Qt::NoModifier, "\b"},
    {Qt::Key_Delete, Qt::NoModifier, "\x7f"},
    {Qt::Key_Left, Qt::NoModifier, ""},
    {Qt::Key_Right, Qt::NoModifier, ""},
    {Qt::Key_Up, Qt::NoModifier, ""},
    {Qt::Key_Down, Qt::NoModifier, ""},
    {Qt::Key_Home, Qt::NoModifier, ""},
    {Qt::Key_End, Qt::NoModifier, ""},
    {Qt::Key_PageUp, Qt::NoModifier, ""},
    {Qt::Key_PageDown, Qt::NoModifier, ""},
    {Qt::Key_Left, Qt::ShiftModifier, ""},
    {Qt::Key_Right, Qt::ShiftModifier, ""},
    {Qt::Key_Home, Qt::ShiftModifier, ""},
    {Qt::Key_End, Qt::ShiftModifier, ""},
    {Qt::Key_Tab, Qt::NoModifier, "\t"},
    {Qt::Key_Backtab, Qt::ShiftModifier, ""},
    {Qt::Key_Insert, Qt::NoModifier, ""},
    {Qt::Key_Shift, Qt::ShiftModifier, ""},
    {Qt::Key_A, Qt::ControlModifier, "\x01"},
    {Qt::Key_C, Qt::ControlModifier, "\x03"},
    {Qt::Key_X, Qt::ControlModifier, "\x18"},
    {Qt::Key_Z, Qt::ControlModifier, "\x1a"},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "\x1a"},
    {Qt::Key_Y, Qt::ControlModifier, "\x19"},
    // A control character that no named key carries.
    {Qt::Key_unknown, Qt::NoModifier, "\x07"},
};

class EventSource {
 public:
  EventSource(std::uint64_t seed, const Targets& targets) : random_(seed), targets_(targets) {}

  Event Next() {
    for (;;) {
      const std::uint64_t roll = Below(100);
      if (roll < 44) return Key();
      if (roll < 52) return Paste();
      if (roll < 68) return Pointer(Action::Click);
      if (roll < 73) return Pointer(Action::DoubleClick);
      if (roll < 78 && !targets_.sliders.empty()) return SliderRelease();
      if (roll >= 78 && roll < 83 && !targets_.checkBoxes.empty()) {
        return Named(Action::CheckBoxClick, Pick(targets_.checkBoxes));
      }
      if (roll >= 83 && roll < 88 && !targets_.buttons.empty()) return Named(Action::ButtonClick, Pick(targets_.buttons));
      if (roll >= 88) {
        // A timer ticks only while it runs.
        std::vector<ByteText> running;
        for (const ByteText& timer : targets_.timers) {
          if (tk::GetTimerPeriod(timer) != 0) running.push_back(timer);
        }
        if (!running.empty()) return Named(Action::Tick, Pick(running));
      }
    }
  }

 private:
  std::uint64_t Below(std::uint64_t bound) { return random_() % bound; }
  bool Chance(int percent) { return Below(100) < static_cast<std::uint64_t>(percent); }
  template <class T>
  const T& Pick(const std::vector<T>& items) {
    return items[Below(items.size())];
  }

  char32_t Character() { return Pick(TypedCharacters()); }

  Event Key() {
    Event event;
    if (Chance(30)) {
      const Stroke& stroke = kEditingStrokes[Below(std::size(kEditingStrokes))];
      event.key = stroke.key;
      event.modifiers = stroke.modifiers;
      event.text = QString::fromLatin1(stroke.text);
      return event;
    }
    const char32_t character = Character();
    event.text = QString::fromUcs4(&character, 1);
    if (character >= U'0' && character <= U'9') {
      event.key = static_cast<Qt::Key>(Qt::Key_0 + (character - U'0'));
      if (Chance(15)) event.modifiers = Qt::KeypadModifier;
    } else if (character >= U'a' && character <= U'z') {
      event.key = static_cast<Qt::Key>(Qt::Key_A + (character - U'a'));
    } else if (character >= U'A' && character <= U'Z') {
      event.key = static_cast<Qt::Key>(Qt::Key_A + (character - U'A'));
      event.modifiers = Qt::ShiftModifier;
    } else if (character == U'-') {
      event.key = Qt::Key_Minus;
    } else if (character == U'+') {
      event.key = Qt::Key_Plus;
      event.modifiers = Qt::ShiftModifier;
    } else if (character == U'.') {
      event.key = Qt::Key_Period;
    } else if (character == U' ') {
      event.key = Qt::Key_Space;
    }
    return event;
  }

  Event Paste() {
    Event event;
    event.action = Action::Paste;
    const std::uint64_t size = Below(100);
    if (size < 2) {
      event.text = HugeText();
    } else {
      const int length = size < 88 ? 1 + static_cast<int>(Below(16)) : 1 + static_cast<int>(Below(2000));
      for (int at = 0; at < length; ++at) {
        const std::uint64_t roll = Below(40);
        if (roll == 0) {
          event.text += QStringLiteral("\r\n");
        } else if (roll == 1) {
          event.text += QLatin1Char('\n');
        } else if (roll == 2) {
          event.text += QLatin1Char('\t');
        } else {
          const char32_t character = Character();
          event.text += QString::fromUcs4(&character, 1);
        }
      }
    }
    return event;
  }

  // Digits, hexadecimal digits, or anything at all.
  QString HugeText() {
    const std::uint64_t kind = Below(3);
    QString text;
    text.reserve(targets_.hugePasteLength * 2);
    for (int at = 0; at < targets_.hugePasteLength; ++at) {
      if (kind == 0) {
        text += QLatin1Char(static_cast<char>('0' + Below(10)));
      } else if (kind == 1) {
        text += QLatin1Char("0123456789abcdefABCDEF"[Below(22)]);
      } else {
        const char32_t character = Character();
        text += QString::fromUcs4(&character, 1);
      }
    }
    return text;
  }

  Event Pointer(Action action) {
    const QSize size = tk::testing::Window()->size();
    Event event;
    event.action = action;
    event.at = QPoint(static_cast<int>(Below(static_cast<std::uint64_t>(size.width()))),
                      static_cast<int>(Below(static_cast<std::uint64_t>(size.height()))));
    return event;
  }

  Event SliderRelease() {
    Event event = Named(Action::SliderRelease, Pick(targets_.sliders));
    const auto* slider = qobject_cast<const QAbstractSlider*>(tk::testing::Widget(event.control));
    const int span = slider->maximum() - slider->minimum() + 1;
    event.position = slider->minimum() + static_cast<int>(Below(static_cast<std::uint64_t>(span)));
    return event;
  }

  static Event Named(Action action, const ByteText& control) {
    Event event;
    event.action = action;
    event.control = control;
    return event;
  }

  std::mt19937_64 random_;
  const Targets& targets_;
};

QWidget* FocusOrWindow() {
  QWidget* focus = QApplication::focusWidget();
  return focus ? focus : tk::testing::Window();
}

// Press and release go each to the widget that has the focus at that
// moment, as the platform sends them: a Tab's release reaches the next field.
Outcome DeliverKey(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
  Outcome outcome;
  outcome.keyPressedIn = ControlOf(QApplication::focusWidget());
  QTest::sendKeyEvent(QTest::Press, FocusOrWindow(), key, text, modifiers);
  outcome.keyReleasedIn = ControlOf(QApplication::focusWidget());
  QTest::sendKeyEvent(QTest::Release, FocusOrWindow(), key, text, modifiers);
  return outcome;
}

// The widget under a point of the window's client area, and the point in it.
std::pair<QWidget*, QPoint> Under(QPoint at) {
  QWidget* window = tk::testing::Window();
  QWidget* target = window->childAt(at);
  if (target == nullptr) target = window;
  return {target, target->mapFrom(window, at)};
}

void DoubleClick(QWidget* widget, QPoint at) {
  QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
}

Outcome Deliver(const Event& event) {
  switch (event.action) {
    case Action::Key:
      return DeliverKey(event.key, event.modifiers, event.text);
    case Action::Paste:
      QApplication::clipboard()->setText(event.text);
      return DeliverKey(Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    case Action::Click: {
      const auto [widget, at] = Under(event.at);
      QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
      break;
    }
    case Action::DoubleClick: {
      const auto [widget, at] = Under(event.at);
      DoubleClick(widget, at);
      break;
    }
    case Action::SliderRelease:
      tk::testing::ReleaseSliderAt(event.control, event.position);
      break;
    case Action::CheckBoxClick:
    case Action::ButtonClick:
      QTest::mouseClick(tk::testing::Widget(event.control), Qt::LeftButton);
      break;
    case Action::Tick:
      tk::testing::DeliverTick(event.control);
      break;
  }
  return {};
}

// A text for the report: control characters escaped, long texts cut.
std::string Shown(const QString& text) {
  constexpr qsizetype kShownCharacters = 24;
  std::string shown;
  for (const QChar character : text.left(kShownCharacters)) {
    if (character.unicode() < 32 || character.unicode() == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", character.unicode());
      shown += escaped;
    } else {
      shown += QString(character).toStdString();
    }
  }
  if (text.size() > kShownCharacters) shown += "… (" + std::to_string(text.size()) + " characters)";
  return shown;
}

std::string ShownKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  if (key == Qt::Key_unknown) return "(no key)";
  const QKeyCombination combination(modifiers & ~Qt::KeypadModifier, key);
  std::string shown = QKeySequence(combination).toString(QKeySequence::PortableText).toStdString();
  if (modifiers & Qt::KeypadModifier) shown += " (keypad)";
  return shown;
}

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return fallback;
  return std::strtoull(value, nullptr, 10);
}

}  // namespace

std::string Event::Describe() const {
  switch (action) {
    case Action::Key:
      return "key " + ShownKey(key, modifiers) + " typing \"" + Shown(text) + "\"";
    case Action::Paste:
      return "paste \"" + Shown(text) + "\"";
    case Action::Click:
    case Action::DoubleClick: {
      const ByteText control = ControlOf(Under(at).first);
      return std::string(action == Action::Click ? "click" : "double click") + " at (" + std::to_string(at.x()) +
             ", " + std::to_string(at.y()) + ") on " + (control.empty() ? "the window" : Utf8FromGbk(control));
    }
    case Action::SliderRelease:
      return "release " + Utf8FromGbk(control) + " at " + std::to_string(position);
    case Action::CheckBoxClick:
    case Action::ButtonClick:
      return "click " + Utf8FromGbk(control);
    case Action::Tick:
      return "tick of " + Utf8FromGbk(control);
  }
  return "?";
}

ByteText ControlOf(const QWidget* widget) {
  // Every control's widget carries the control's name, for screen readers
  // too; the inner parts of a control (a viewport) have names of Qt's own.
  for (; widget != nullptr && !widget->isWindow(); widget = widget->parentWidget()) {
    const QString name = widget->accessibleName();
    if (!name.isEmpty() && name == widget->objectName()) return tk::testing::FromQString(name);
  }
  return {};
}

std::vector<std::uint64_t> Seeds() {
  if (const std::uint64_t seed = EnvNumber("MONKEY_SEED", 0)) return {seed};
  return {1, 2, 3};
}

std::string SeedName(const ::testing::TestParamInfo<std::uint64_t>& info) {
  return "Seed" + std::to_string(info.param);
}

int EventCount(int fallback) {
  return static_cast<int>(EnvNumber("MONKEY_EVENTS", static_cast<std::uint64_t>(fallback)));
}

void Run(const char* program, const Targets& targets, std::uint64_t seed, int count, const Check& check) {
  EventSource source(seed, targets);
  std::deque<std::string> recent;
  constexpr std::size_t kRecentShown = 8;
  QElapsedTimer clock;
  clock.start();
  qint64 slowest = -1;
  std::string slowestEvent;
  for (int index = 0; index < count; ++index) {
    const Event event = source.Next();
    recent.push_back(std::to_string(index) + ": " + event.Describe());
    if (recent.size() > kRecentShown) recent.pop_front();

    const qint64 start = clock.nsecsElapsed();
    const Outcome outcome = Deliver(event);
    // Painting and posted work too; real timer ticks are left out, so that
    // a seed replays the same run (ticks are events of their own here).
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
    const qint64 took = clock.nsecsElapsed() - start;
    if (took > slowest) {
      slowest = took;
      slowestEvent = recent.back();
    }

    QWidget* window = tk::testing::Window();
    EXPECT_TRUE(window != nullptr && window->isVisible()) << "the window closed";
    if (window != nullptr) check(event, outcome);

    if (::testing::Test::HasFailure()) {
      std::ostringstream replay;
      replay << program << ": seed " << seed << ", event " << index << " broke the window. The last events:\n";
      for (const std::string& line : recent) replay << "  " << line << "\n";
      const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
      std::error_code ignored;
      replay << "Replay: MONKEY_SEED=" << seed << " MONKEY_EVENTS=" << index + 1 << " "
             << std::filesystem::read_symlink("/proc/self/exe", ignored).string() << " --gtest_filter='"
             << test->test_suite_name() << ".*'";
      ADD_FAILURE() << replay.str();
      return;
    }
  }
  const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
  std::printf("[  MONKEY  ] %s seed %llu: %d events in %.2f s (%.0f events/s); slowest %.1f ms: %s\n", program,
              static_cast<unsigned long long>(seed), count, seconds, count / seconds,
              static_cast<double>(slowest) / 1e6, slowestEvent.c_str());
  std::fflush(stdout);
}

}  // namespace monkey

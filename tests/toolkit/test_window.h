#pragma once
// A small window with one control of every kind, and a journal of the
// events its handlers saw, for the toolkit's tests.

#include <gtest/gtest.h>

#include <QWidget>
#include <string>
#include <vector>

#include "toolkit/testing.h"
#include "toolkit/toolkit.h"

namespace toolkit_test {

struct Journal {
  std::vector<std::string> entries;  // "control:event", control names in UTF-8
  std::vector<tk::EventArgs> args;
  int count(const std::string& entry) const;
  void clear();
};

// Control names (GBK), as the layout spells them.
const ByteText& FieldName();       // a single-line edit box, integer mode, gets the focus
const ByteText& TextFieldName();   // a single-line edit box, integer-text mode
const ByteText& PlainFieldName();  // a single-line edit box, no filter
const ByteText& NotesName();       // a multi-line edit box
const ByteText& LabelName();
const ByteText& LampName();
const ByteText& ButtonName();
const ByteText& SliderName();
const ByteText& TimerName();

tk::WindowLayout TestLayout();

// The key every KeyPressed handler of JournalBindings cancels: Q.
inline constexpr int kCancelledKey = 'Q';

// Every event of every control (and the window) bound to the journal.
std::vector<tk::Binding> JournalBindings(Journal& journal);

QWidget* W(const ByteText& control);

// Processes pending events until the condition holds or a second passes.
bool WaitFor(const std::function<bool()>& condition);

// Sends the events of a real double click: press, release, double click, release.
void RealDoubleClick(QWidget* widget, QPoint at);

}  // namespace toolkit_test

namespace toolkit_test {

// The test window, loaded and settled (the start-up focus events are over),
// with an empty journal; closed again after each test.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  Journal journal;
};

}  // namespace toolkit_test

#pragma once
// Seeded random users for the three program windows: keys, pastes, clicks,
// double clicks, slider releases, check box and button clicks and timer
// ticks, delivered to the real widgets the way the platform delivers them.
// After every event the program's own checks run; the first failure stops
// the run and says how to replay it.

#include <gtest/gtest.h>

#include <QPoint>
#include <QString>
#include <Qt>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "radixcore/bytetext.h"

class QWidget;

namespace monkey {

// The controls of a window that events aim at by name. Keys and pastes go
// wherever the focus is, clicks wherever the pointer lands.
struct Targets {
  std::vector<ByteText> buttons;
  std::vector<ByteText> checkBoxes;
  std::vector<ByteText> sliders;
  std::vector<ByteText> timers;
  // The length of the rare huge paste.
  int hugePasteLength = 100'000;
};

enum class Action { Key, Paste, Click, DoubleClick, SliderRelease, CheckBoxClick, ButtonClick, Tick };

struct Event {
  Action action = Action::Key;
  Qt::Key key = Qt::Key_unknown;                   // Key
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;  // Key
  QString text;                                    // Key: what it types; Paste: the clipboard
  QPoint at;                                       // Click, DoubleClick: in the window's client area
  ByteText control;                                // slider, check box, button or timer
  int position = 0;                                // SliderRelease

  // One line, in UTF-8, for the replay report.
  std::string Describe() const;
};

// What an event reached, for the checks to judge.
struct Outcome {
  // The control that had the focus when the last key of the event came up
  // ("" when none did, or the focus was on no control).
  ByteText keyReleasedIn;
  // The control that had the focus when the event's keys went down.
  ByteText keyPressedIn;
  // False when the event found nothing to act on (a tick with every timer
  // stopped) and was skipped.
  bool delivered = true;
};

// After each event; report faults with EXPECT_* and friends.
using Check = std::function<void(const Event&, const Outcome&)>;

// The seeds of a default run, or the one seed of MONKEY_SEED.
std::vector<std::uint64_t> Seeds();
// Names a seed's test after the seed.
std::string SeedName(const ::testing::TestParamInfo<std::uint64_t>& info);

// Events per seed: MONKEY_EVENTS, or `fallback`.
int EventCount(int fallback);

// Runs `count` events from `seed` against the current window, checking after
// each one. Prints events per second and the slowest event at the end.
void Run(const char* program, const Targets& targets, std::uint64_t seed, int count, const Check& check);

// The control a widget belongs to ("" for none).
ByteText ControlOf(const QWidget* widget);

}  // namespace monkey

// Random users and hostile pastes against the display demo window: the
// lamps hold only their two colours, follow the port fields after every
// refresh, the window keeps one of its two heights and the scans stay in
// their cycles.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTest>
#include <cstdio>
#include <string>

#include "hostile_input.h"
#include "random_events.h"
#include "seg7demo/decoding.h"
#include "seg7demo/display_window.h"
#include "seg7demo/names.h"
#include "seg7demo/scans.h"
#include "toolkit/testing.h"
#include "toolkit/toolkit.h"

namespace seg7demo {
namespace {

std::string LitLamps(const DisplayColours& colours) {
  std::string lit;
  for (std::size_t lamp = 0; lamp < colours.size(); ++lamp) {
    if (colours[lamp] != kLampLit) continue;
    if (!lit.empty()) lit += ' ';
    lit += LampNames()[lamp];
  }
  return lit.empty() ? "(none)" : lit;
}

DisplayColours ShownColours() {
  DisplayColours colours{};
  for (std::size_t lamp = 0; lamp < colours.size(); ++lamp) colours[lamp] = tk::GetFillColor(LampNames()[lamp]);
  return colours;
}

// What a refresh must leave: the lamps that the two port texts light.
void ExpectLampsFollowPorts(const char* after) {
  const DisplayColours expected = DecodeDisplay(tk::GetText(SegmentCodeBox()), tk::GetText(SelectCodeBox()));
  const DisplayColours shown = ShownColours();
  EXPECT_TRUE(shown == expected) << "after " << after << " the lit lamps are " << LitLamps(shown) << ", the ports light "
                                 << LitLamps(expected);
}

void ExpectLegalState() {
  for (const std::string& lamp : LampNames()) {
    const tk::Color colour = tk::GetFillColor(lamp);
    EXPECT_TRUE(colour == kLampLit || colour == kLampUnlit) << lamp << " has the colour " << colour;
  }
  const int height = tk::GetWindowHeight();
  EXPECT_TRUE(height == kTallWindowHeight || height == kShortWindowHeight) << "window height " << height;

  EXPECT_EQ(DigitCodes.size(), 10u);
  const int single = tk::GetTimerPeriod(SingleScanTimer());
  EXPECT_TRUE(single == 0 || single == 1000) << "single scan period " << single;
  if (single != 0) {
    EXPECT_TRUE(SingleScanIndex >= 1 && SingleScanIndex <= 10) << SingleScanIndex;
  }
  const int dynamic = tk::GetTimerPeriod(DynamicScanTimer());
  EXPECT_TRUE(dynamic == 0 || dynamic == 1000 || (dynamic >= 10 && dynamic <= 109)) << "dynamic scan period " << dynamic;
  if (dynamic != 0) {
    EXPECT_TRUE(DynamicScanState >= 1 && DynamicScanState <= 4) << DynamicScanState;
  }
}

void CheckDisplay(const monkey::Event& event, const monkey::Outcome& outcome) {
  ExpectLegalState();
  const bool typedInPorts = outcome.keyReleasedIn == SegmentCodeBox() || outcome.keyReleasedIn == SelectCodeBox();
  if (typedInPorts || event.action == monkey::Action::Tick) ExpectLampsFollowPorts(event.Describe().c_str());
}

class DisplayMonkey : public ::testing::Test {
 protected:
  void SetUp() override {
    StartDisplayDemo();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tk::testing::Window()));
  }
  void TearDown() override { tk::testing::CloseWindow(); }

  // A stop of either scan ends in a refresh, whatever clicked the button (a
  // click, a double click, Space). Checked at the moment of the click, after
  // the program's own handler, since a double click may start it again.
  static void CheckEveryStop() {
    const std::pair<const ByteText*, const ByteText*> scans[] = {{&SingleScanButton(), &SingleScanTimer()},
                                                                  {&DynamicScanButton(), &DynamicScanTimer()}};
    for (const auto& [button, timer] : scans) {
      auto* widget = qobject_cast<QAbstractButton*>(tk::testing::Widget(*button));
      QObject::connect(widget, &QAbstractButton::clicked, widget, [timer = *timer] {
        if (tk::GetTimerPeriod(timer) == 0) ExpectLampsFollowPorts("a stop of a scan");
      });
    }
  }
};

class DisplayMonkeyRun : public DisplayMonkey, public ::testing::WithParamInterface<std::uint64_t> {};

TEST_P(DisplayMonkeyRun, LampsFollowThePortsWhateverTheUserDoes) {
  CheckEveryStop();
  const monkey::Targets targets{
      .buttons = {SingleScanButton(), DynamicScanButton()},
      .checkBoxes = {},
      .sliders = {SpeedSlider()},
      .timers = {SingleScanTimer(), DynamicScanTimer()},
  };
  monkey::Run("seg7demo", targets, GetParam(), monkey::EventCount(1000), CheckDisplay);
}

INSTANTIATE_TEST_SUITE_P(Seeds, DisplayMonkeyRun, ::testing::ValuesIn(monkey::Seeds()), monkey::SeedName);

// A million characters pasted into a port field: the display follows and
// the window goes on answering.
struct HugePaste {
  const char* name;
  const ByteText& (*field)();
  const QString& (*text)();
};

void PrintTo(const HugePaste& row, std::ostream* out) { *out << row.name; }

class DisplayHugePaste : public DisplayMonkey, public ::testing::WithParamInterface<HugePaste> {};

TEST_P(DisplayHugePaste, DisplayFollowsAndTheWindowAnswers) {
  const HugePaste& row = GetParam();
  const double seconds = monkey::PasteOver(row.field(), row.text());
  std::printf("[ HOSTILE  ] seg7demo %s: paste and refresh %.2f s\n", row.name, seconds);
  EXPECT_LT(seconds, monkey::kHangSeconds);
  EXPECT_GE(tk::GetText(row.field()).size(), std::size_t{monkey::kMillion});
  ExpectLampsFollowPorts("the paste");

  // Both the other field's refresh and a lamp click still come through.
  const ByteText& other = &row.field() == &SegmentCodeBox() ? SelectCodeBox() : SegmentCodeBox();
  monkey::Focus(other);
  monkey::Type(Qt::Key_End);
  ExpectLampsFollowPorts("End in the other field");
  QTest::mouseClick(tk::testing::Widget("A1"), Qt::LeftButton);
  monkey::Settle();
  EXPECT_LE(tk::GetText(SegmentCodeBox()).size(), 2u) << "the click on A1 wrote no segment code";
}

INSTANTIATE_TEST_SUITE_P(
    Seg7demo, DisplayHugePaste,
    ::testing::Values(HugePaste{"DigitsInP0", SegmentCodeBox, monkey::MillionDigits},
                      HugePaste{"ChineseInP0", SegmentCodeBox, monkey::MillionChinese},
                      HugePaste{"DigitsInP2", SelectCodeBox, monkey::MillionDigits},
                      HugePaste{"ChineseInP2", SelectCodeBox, monkey::MillionChinese},
                      HugePaste{"OutsideGbkInP0", SegmentCodeBox, monkey::MillionOutsideGbk}),
    [](const ::testing::TestParamInfo<HugePaste>& info) { return info.param.name; });

// Characters a port field cannot keep as typed read back as "?", and the
// display shows what "?" decodes to: not a hexadecimal number.
TEST_F(DisplayMonkey, CharactersOutsideGbkReadBackAsQuestionMarks) {
  tk::SetText(SelectCodeBox(), "BF");
  const char* const typed[] = {"😀", "한", "ก"};
  for (const char* character : typed) {
    SCOPED_TRACE(character);
    monkey::Focus(SegmentCodeBox());
    monkey::Type(Qt::Key_A, QString(), Qt::ControlModifier);
    monkey::Type(Qt::Key_unknown, QString::fromUtf8(character));
    EXPECT_EQ(tk::GetText(SegmentCodeBox()), "?");
    ExpectLampsFollowPorts("a character outside GBK");
    EXPECT_EQ(LitLamps(ShownColours()), "(none)");
  }
}

}  // namespace
}  // namespace seg7demo

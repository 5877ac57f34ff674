// Random users and hostile pastes against the baud-rate finder: every click
// lists exactly the 256 lines of the table for the crystal text and the
// check box of that moment, and between clicks the listing changes only
// where the user typed into it.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <cstdio>
#include <string>

#include "baudfind/baud_table.h"
#include "baudfind/baud_window.h"
#include "baudfind/layout.h"
#include "hostile_input.h"
#include "radixcore/gbk.h"
#include "radixcore/text.h"
#include "random_events.h"
#include "toolkit/testing.h"
#include "toolkit/toolkit.h"

namespace {

constexpr std::size_t kTableLines = 256;

std::size_t LineCount(const ByteText& text) {
  std::size_t lines = 0;
  for (std::size_t at = text.find("\r\n"); at != ByteText::npos; at = text.find("\r\n", at + 2)) ++lines;
  return lines;
}

// The whole table as the pure table functions write it.
ByteText ExpectedTable(const ByteText& crystalText, bool doubling) {
  ByteText table;
  const std::int32_t crystal = TextToInt(crystalText);
  for (int reload = kHighestReload; reload >= 0; --reload) {
    table += BaudLine(crystalText, reload, BaudRate(crystal, reload, DivisorFactor(doubling)));
  }
  return table;
}

std::size_t FirstDifference(const ByteText& a, const ByteText& b) {
  std::size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
  return at;
}

void ExpectTable(const ByteText& listed, const ByteText& crystalText, bool doubling) {
  EXPECT_EQ(LineCount(listed), kTableLines);
  const ByteText expected = ExpectedTable(crystalText, doubling);
  if (listed != expected) {
    const std::size_t at = FirstDifference(listed, expected);
    ADD_FAILURE() << "the listing differs from the table from byte " << at << ": \""
                  << Utf8FromGbk(listed.substr(at, 60)) << "\" instead of \"" << Utf8FromGbk(expected.substr(at, 60))
                  << "\"";
  }
}

void ExpectFreshTable() {
  ExpectTable(tk::GetText(OutputBoxName()), tk::GetText(CrystalBoxName()), tk::GetChecked(DoublingBoxName()));
  EXPECT_EQ(tk::GetText(tk::kWindow), "正在定时器值为0上查找，已完成任务的100%。"_gbk);
}

// Every change of the listing's text, made by the program or the user,
// moves the document's revision on.
int OutputRevision() {
  return qobject_cast<QPlainTextEdit*>(tk::testing::Widget(OutputBoxName()))->document()->revision();
}

class BaudMonkey : public ::testing::Test {
 protected:
  void SetUp() override {
    OpenBaudFindWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tk::testing::Window()));
  }
  void TearDown() override { tk::testing::CloseWindow(); }

  static void Click(const ByteText& control) {
    QTest::mouseClick(tk::testing::Widget(control), Qt::LeftButton);
    monkey::Settle();
  }
};

class BaudMonkeyRun : public BaudMonkey, public ::testing::WithParamInterface<std::uint64_t> {};

TEST_P(BaudMonkeyRun, EveryClickListsTheWholeTable) {
  ASSERT_EQ(tk::GetText(OutputBoxName()), "");
  int untouchedRevision = OutputRevision();
  bool typedIntoListing = false;
  // Checked at each click, whatever made it (a click, a double click, Space),
  // after the program's own handler.
  auto* button = qobject_cast<QAbstractButton*>(tk::testing::Widget(ListButtonName()));
  QObject::connect(button, &QAbstractButton::clicked, button, [&] {
    ExpectFreshTable();
    untouchedRevision = OutputRevision();
    typedIntoListing = false;
  });

  const auto check = [&](const monkey::Event& event, const monkey::Outcome& outcome) {
    if (outcome.keyPressedIn == OutputBoxName() || outcome.keyReleasedIn == OutputBoxName()) typedIntoListing = true;
    if (!typedIntoListing) {
      EXPECT_EQ(OutputRevision(), untouchedRevision) << "the listing changed: " << event.Describe();
    }
  };
  const monkey::Targets targets{
      .buttons = {ListButtonName()},
      .checkBoxes = {DoublingBoxName()},
      .sliders = {},
      .timers = {},
      // Every line repeats the crystal text, so a click lists 256 times what
      // was pasted there: the million-character case has a test of its own.
      .hugePasteLength = 10'000,
  };
  monkey::Run("baudfind", targets, GetParam(), monkey::EventCount(1000), check);
}

INSTANTIATE_TEST_SUITE_P(Seeds, BaudMonkeyRun, ::testing::ValuesIn(monkey::Seeds()), monkey::SeedName);

// A million characters pasted into the crystal field or the listing: the
// next click lists 256 lines and the window goes on answering.
struct HugePaste {
  const char* name;
  const ByteText& (*field)();
  const QString& (*text)();
};

void PrintTo(const HugePaste& row, std::ostream* out) { *out << row.name; }

class BaudHugePaste : public BaudMonkey, public ::testing::WithParamInterface<HugePaste> {};

TEST_P(BaudHugePaste, NextClickListsTheTableAndTheWindowAnswers) {
  const HugePaste& row = GetParam();
  const double pasting = monkey::PasteOver(row.field(), row.text());
  EXPECT_LT(pasting, monkey::kHangSeconds);

  QElapsedTimer clock;
  clock.start();
  Click(ListButtonName());
  const double listingSeconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
  std::printf("[ HOSTILE  ] baudfind %s: paste %.2f s, click and listing %.2f s\n", row.name, pasting, listingSeconds);
  EXPECT_LT(listingSeconds, monkey::kHangSeconds);

  // After a million-character crystal the listing is a quarter of a
  // gigabyte: it is read in the widget rather than copied out.
  const QTextDocument* listing = qobject_cast<QPlainTextEdit*>(tk::testing::Widget(OutputBoxName()))->document();
  EXPECT_EQ(listing->blockCount(), static_cast<int>(kTableLines) + 1);  // an empty line after the last line end
  EXPECT_TRUE(listing->lastBlock().text().isEmpty());
  const QString firstLineStart = tk::testing::ToQString("晶振频率:"_gbk + tk::GetText(CrystalBoxName()) + "Hz\t");
  EXPECT_TRUE(listing->firstBlock().text().startsWith(firstLineStart)) << "the first line shows another crystal";

  Click(DoublingBoxName());
  EXPECT_TRUE(tk::GetChecked(DoublingBoxName()));
}

INSTANTIATE_TEST_SUITE_P(Baudfind, BaudHugePaste,
                         ::testing::Values(HugePaste{"DigitsInCrystal", CrystalBoxName, monkey::MillionDigits},
                                           HugePaste{"ChineseInCrystal", CrystalBoxName, monkey::MillionChinese},
                                           HugePaste{"OutsideGbkInCrystal", CrystalBoxName, monkey::MillionOutsideGbk},
                                           HugePaste{"DigitsInListing", OutputBoxName, monkey::MillionDigits},
                                           HugePaste{"ChineseInListing", OutputBoxName, monkey::MillionChinese}),
                         [](const ::testing::TestParamInfo<HugePaste>& info) { return info.param.name; });

// Crystal texts no one types: each line shows what the field reads back,
// and the rate comes from the number at its start.
struct OddCrystal {
  const char* name;
  bool pasted;             // or written by the program, as raw GBK bytes
  const char* input;
  const char* firstLine;   // UTF-8
};

void PrintTo(const OddCrystal& row, std::ostream* out) { *out << row.name; }

const OddCrystal kOddCrystals[] = {
    {"Emoji", true, "😀", "晶振频率:?Hz\t定时器值:255[FF]\t波特率=0bps."},
    {"KoreanAfterDigits", true, "11059200한", "晶振频率:11059200?Hz\t定时器值:255[FF]\t波特率=28800bps."},
    {"Tab", true, "11059200\t", "晶振频率:11059200\tHz\t定时器值:255[FF]\t波特率=28800bps."},
    // A single-line field holds one line: a copied line's end is dropped.
    {"LineEnd", true, "11059200\r\n", "晶振频率:11059200Hz\t定时器值:255[FF]\t波特率=28800bps."},
    {"LineBreaksInside", true, "110\n592\r00", "晶振频率:11059200Hz\t定时器值:255[FF]\t波特率=28800bps."},
    {"LoneLeadByte", false, "12000000\x81", "晶振频率:12000000?Hz\t定时器值:255[FF]\t波特率=31250bps."},
};

class BaudOddCrystal : public BaudMonkey, public ::testing::WithParamInterface<OddCrystal> {};

TEST_P(BaudOddCrystal, EveryLineShowsTheCrystalAsItReadsBack) {
  const OddCrystal& row = GetParam();
  if (row.pasted) {
    monkey::PasteOver(CrystalBoxName(), QString::fromUtf8(row.input));
  } else {
    tk::SetText(CrystalBoxName(), row.input);
  }
  Click(ListButtonName());

  const ByteText listed = tk::GetText(OutputBoxName());
  EXPECT_EQ(Utf8FromGbk(listed.substr(0, listed.find("\r\n"))), row.firstLine);
  ExpectTable(listed, tk::GetText(CrystalBoxName()), false);
}

INSTANTIATE_TEST_SUITE_P(Baudfind, BaudOddCrystal, ::testing::ValuesIn(kOddCrystals),
                         [](const ::testing::TestParamInfo<OddCrystal>& info) { return info.param.name; });

}  // namespace

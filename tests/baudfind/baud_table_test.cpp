// The table's numbers and texts, checked against hand-worked values.

#include <gtest/gtest.h>

#include "baudfind/baud_table.h"
#include "radixcore/bytetext.h"
#include "radixcore/gbk.h"
#include "radixcore/text.h"

namespace {

// The line the window writes for a crystal text, doubling setting and reload.
ByteText LineFor(const ByteText& crystalText, bool doubling, int reload) {
  const float baud = BaudRate(TextToInt(crystalText), reload, DivisorFactor(doubling));
  return BaudLine(crystalText, reload, baud);
}

struct RateRow {
  const char* crystalText;
  bool doubling;
  int reload;
  const char* baudText;
};

class BaudRateText : public testing::TestWithParam<RateRow> {};

TEST_P(BaudRateText, EndsTheLine) {
  const RateRow& row = GetParam();
  const ByteText line = LineFor(row.crystalText, row.doubling, row.reload);
  const ByteText ending = "\t波特率="_gbk + row.baudText + "bps.\r\n";
  ASSERT_GE(line.size(), ending.size()) << line;
  EXPECT_EQ(line.substr(line.size() - ending.size()), ending) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Crystal12MHz, BaudRateText,
    testing::Values(RateRow{"12000000", false, 255, "31250"}, RateRow{"12000000", false, 253, "10416.7"},
                    RateRow{"12000000", false, 243, "2403.85"}, RateRow{"12000000", false, 15, "129.668"},
                    RateRow{"12000000", false, 0, "122.07"}, RateRow{"12000000", true, 255, "62500"},
                    RateRow{"12000000", true, 253, "20833.3"}, RateRow{"12000000", true, 243, "4807.69"},
                    RateRow{"12000000", true, 15, "259.336"}, RateRow{"12000000", true, 0, "244.141"}));

INSTANTIATE_TEST_SUITE_P(
    Crystal11MHz, BaudRateText,
    testing::Values(RateRow{"11059200", false, 255, "28800"}, RateRow{"11059200", false, 253, "9600"},
                    RateRow{"11059200", false, 250, "4800"}, RateRow{"11059200", false, 0, "112.5"},
                    RateRow{"11059200", true, 255, "57600"}, RateRow{"11059200", true, 253, "19200"},
                    RateRow{"11059200", true, 250, "9600"}, RateRow{"11059200", true, 0, "225"}));

// Crystals at the ends of the range, and texts that are not plain numbers:
// the text is read as an integer from its front, never rejected.
INSTANTIATE_TEST_SUITE_P(
    UnusualCrystals, BaudRateText,
    testing::Values(RateRow{"2147483647", true, 255, "1.11848e+007"}, RateRow{"192000000", true, 255, "1e+006"},
                    RateRow{"1", false, 0, "1.01725e-005"}, RateRow{"11.0592", false, 255, "0.0286458"},
                    RateRow{"-12000000", false, 255, "-31250"}, RateRow{"12MHz", false, 255, "0.03125"},
                    RateRow{"", false, 255, "0"}, RateRow{"abc", true, 0, "0"}));

struct LineRow {
  const char* crystalText;
  bool doubling;
  int reload;
  const char* line;  // UTF-8 here; the program writes GBK
};

class WholeLine : public testing::TestWithParam<LineRow> {};

TEST_P(WholeLine, MatchesByteForByte) {
  const LineRow& row = GetParam();
  EXPECT_EQ(LineFor(row.crystalText, row.doubling, row.reload), GbkFromUtf8(row.line));
}

// The hexadecimal piece has no leading zeros; the crystal text is shown as
// typed, units and all.
INSTANTIATE_TEST_SUITE_P(
    Format, WholeLine,
    testing::Values(LineRow{"12000000", false, 255, "晶振频率:12000000Hz\t定时器值:255[FF]\t波特率=31250bps.\r\n"},
                    LineRow{"12000000", true, 16, "晶振频率:12000000Hz\t定时器值:16[10]\t波特率=260.417bps.\r\n"},
                    LineRow{"12000000", false, 15, "晶振频率:12000000Hz\t定时器值:15[F]\t波特率=129.668bps.\r\n"},
                    LineRow{"12000000", true, 0, "晶振频率:12000000Hz\t定时器值:0[0]\t波特率=244.141bps.\r\n"},
                    LineRow{"12MHz", false, 255, "晶振频率:12MHzHz\t定时器值:255[FF]\t波特率=0.03125bps.\r\n"},
                    LineRow{"", true, 128, "晶振频率:Hz\t定时器值:128[80]\t波特率=0bps.\r\n"}));

struct ProgressRow {
  int reload;
  int percentage;
};

class Progress : public testing::TestWithParam<ProgressRow> {};

TEST_P(Progress, TruncatesTheShareDone) {
  EXPECT_EQ(ProgressPercentage(GetParam().reload), GetParam().percentage);
}

INSTANTIATE_TEST_SUITE_P(
    Reloads, Progress,
    testing::Values(ProgressRow{255, 0}, ProgressRow{254, 0}, ProgressRow{253, 1}, ProgressRow{252, 1},
                    ProgressRow{251, 1}, ProgressRow{250, 2}, ProgressRow{249, 2}, ProgressRow{248, 3},
                    ProgressRow{224, 12}, ProgressRow{192, 25}, ProgressRow{128, 50}, ProgressRow{64, 75},
                    ProgressRow{0, 100}));

TEST(ProgressCaption, NamesTheReloadAndThePercentage) {
  EXPECT_EQ(ProgressCaption(255, ProgressPercentage(255)), "正在定时器值为255上查找，已完成任务的0%。"_gbk);
  EXPECT_EQ(ProgressCaption(224, ProgressPercentage(224)), "正在定时器值为224上查找，已完成任务的12%。"_gbk);
  EXPECT_EQ(ProgressCaption(0, ProgressPercentage(0)), "正在定时器值为0上查找，已完成任务的100%。"_gbk);
}

}  // namespace

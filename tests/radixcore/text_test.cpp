#include "radixcore/text.h"

#include "radixcore/gbk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(ByteCuts, CountAndCutBytes) {
  struct Row {
    ByteText text;
    int start, count;
    ByteText mid;
  };
  const Row rows[] = {
      {"10101010", 8, 1, "0"}, {"10101010", 0, 1, ""}, {"10101010", 9, 1, ""},
      {"abc", 2, 5, "bc"},     {"abc", 1, 0, ""},      {"abc", -3, 2, ""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(TextMid(row.text, row.start, row.count), row.mid) << row.text << " at " << row.start;
  }
  EXPECT_EQ(TextRight("101", 8), "101");
  EXPECT_EQ(TextRight("abcdef", 2), "ef");
  EXPECT_EQ(TextRight("abc", 0), "");
  EXPECT_EQ(TextRight("abc", -1), "");
  EXPECT_EQ(TextLength("数码"_gbk), 4);
  // A cut may split a two-byte character: only its lead byte comes out.
  EXPECT_EQ(TextMid("数码"_gbk, 2, 1), "数"_gbk.substr(1, 1));
}

TEST(Folding, HalfWidthAndUpperCase) {
  struct Row {
    ByteText text;
    ByteText halfWidth;
  };
  const Row rows[] = {
      {"１２ＡＢ"_gbk, "12AB"},
      {"ａｂ"_gbk, "ab"},
      {"　"_gbk, " "},            // ideographic space
      {"～"_gbk, "~"},            // full-width tilde
      {"☆★"_gbk, "**"},          // the two stars
      {"￥"_gbk, "$"},            // full-width yen
      {"￣"_gbk, "~"},            // full-width macron
      {"＄"_gbk, "＄"_gbk},       // the full-width dollar sign is not folded
      {"十"_gbk, "十"_gbk},
      {"a b", "a b"},
      {"12" + ByteText(1, '\xB0'), "12"},  // a lone lead byte at the end is dropped
  };
  for (const Row& row : rows) EXPECT_EQ(ToHalfWidth(row.text), row.halfWidth) << row.text;

  EXPECT_EQ(ToUpperCase("ff"), "FF");
  EXPECT_EQ(ToUpperCase("ｆｆ"_gbk), "ｆｆ"_gbk);
  EXPECT_EQ(ToUpperCase(ToHalfWidth("ｆｆ"_gbk)), "FF");
  // The trail byte of a two-byte character stays as it is even in a to z.
  const ByteText pair = ByteText(1, '\x81') + 'a';
  EXPECT_EQ(ToUpperCase(pair + "b"), pair + "B");
  EXPECT_EQ(ToUpperCase("x" + ByteText(1, '\xB0')), "X" + ByteText(1, '\xB0'));
}

TEST(NumberTexts, IntegersAndDoubles) {
  EXPECT_EQ(IntToText(-5), "-5");
  EXPECT_EQ(IntToText(255), "255");
  EXPECT_EQ(IntToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");

  struct Row {
    double value;
    ByteText text;
  };
  const Row rows[] = {
      {0.0, "0"},
      {255.0, "255"},
      {10416.666666666666, "10416.66666667"},
      {1e13, "1e+013"},
      {0.00001, "1e-005"},
      {0.0001, "0.0001"},
      {123456789012345.0, "1.234567890123e+014"},
      {-2.5, "-2.5"},
      {1e100, "1e+100"},
      {9999999999999.0, "9999999999999"},
  };
  for (const Row& row : rows) EXPECT_EQ(DoubleToText(row.value), row.text) << row.value;
}

TEST(NumberTexts, SinglePrecisionRounding) {
  struct Row {
    float value;
    ByteText text;
  };
  const Row rows[] = {
      {31250.0f, "31250"},
      {static_cast<float>(12000000.0 / 1152), "10416.7"},
      {static_cast<float>(12000000.0 / 2304), "5208.33"},
      {122.0703125f, "122.07"},
      {244.140625f, "244.141"},
      {7812.5f, "7812.5"},
      {0.390625f, "0.390625"},
      {static_cast<float>(400000000.0 / 384), "1.04167e+006"},
      {999999.5f, "1e+006"},
      {123456.5f, "123456"},  // the earlier step already rounded the half down
      {12.5f, "12.5"},
      {0.0f, "0"},
      {-31250.0f, "-31250"},
      {static_cast<float>(1.0 / 98304), "1.01725e-005"},
  };
  for (const Row& row : rows) EXPECT_EQ(FloatToText(row.value), row.text) << row.value;
}

TEST(ReadingIntegers, FromTheFrontOfTheText) {
  struct Row {
    ByteText text;
    std::int32_t value;
  };
  const Row rows[] = {
      {"12000000", 12000000}, {"１２０００"_gbk, 12000}, {" 12", 12},
      {"\t\r\n12", 12},       {"-5", -5},                {"+7", 7},
      {"－５"_gbk, -5},       {"- 5", 0},                {"11.0592", 11},
      {"1e6", 1},             {"12MHz", 12},             {"abc", 0},
      {"", 0},                {"4294967296", 0},         {"3000000000", -1294967296},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
  };
  for (const Row& row : rows) EXPECT_EQ(TextToInt(row.text), row.value) << row.text;

  EXPECT_EQ(DoubleToInt(0.390625), 0);
  EXPECT_EQ(DoubleToInt(99.609375), 99);
  EXPECT_EQ(DoubleToInt(-2.7), -2);
  EXPECT_EQ(CharFromCode(9), "\t");
  EXPECT_EQ(CharFromCode(0), "");
}

TEST(AmountReading, WholeNumbersOneToNinetyNine) {
  struct Row {
    int value;
    const char* utf8;
  };
  const Row rows[] = {{1, "一元整"},   {2, "二元整"},     {9, "九元整"},   {10, "一十元整"},
                      {16, "一十六元整"}, {20, "二十元整"}, {36, "三十六元整"}, {99, "九十九元整"}};
  for (const Row& row : rows) EXPECT_EQ(AmountText(row.value), GbkFromUtf8(row.utf8)) << row.value;
}

TEST(IntegerFieldNormalisation, ClampsAndEmptiesZero) {
  struct Row {
    ByteText text;
    ByteText normalised;
  };
  const Row rows[] = {
      {"007", "7"},
      {"0", ""},
      {"", ""},
      {"-0", ""},
      {"  -12abc", "-12"},
      {"+5", "5"},
      {"99999999999", "2147483647"},
      {"-99999999999", "-2147483648"},
      {"2147483648", "2147483647"},
      {"-2147483648", "-2147483648"},
      // Runs far past 64 bits saturate instead of wrapping.
      {"123456789012345678901234567890", "2147483647"},
      {"-123456789012345678901234567890", "-2147483648"},
      {"--5", ""},
      {"abc", ""},
  };
  for (const Row& row : rows) EXPECT_EQ(NormaliseIntegerText(row.text), row.normalised) << row.text;
}

}  // namespace

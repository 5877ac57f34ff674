#include "radixcore/convert_radix.h"

#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <cstdint>
#include <random>
#include <string>

#include "radixcore/gbk.h"

namespace {

ByteText Convert(ByteText text, int from, int to) { return ConvertRadix(text, from, to); }

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

ByteText DigitMessage(const char* normalisedUtf8, const char* baseNameUtf8) {
  return "参数错误-"_gbk + GbkFromUtf8(normalisedUtf8) + "不是一个有效的"_gbk + GbkFromUtf8(baseNameUtf8) +
         "进制数！"_gbk;
}

struct Row {
  ByteText text;
  int from, to;
  ByteText expected;
};

TEST(ConvertRadix, ConvertsDigitStrings) {
  const Row rows[] = {
      {"FF", 16, 2, "11111111"},
      {"ff", 16, 2, "11111111"},
      {"ＦＦ"_gbk, 16, 2, "11111111"},
      {"1f", 16, 2, "11111"},
      {"", 16, 2, "0"},
      {"007", 10, 16, "7"},
      {"000", 2, 16, "0"},
      {"255", 10, 16, "FF"},
      {"10101010", 2, 10, "170"},
      {"10101010", 2, 16, "AA"},
      {"AA", 16, 2, "10101010"},
      {"ZZ", 36, 10, "1295"},
      {"z", 36, 2, "100011"},
      {"１２"_gbk, 10, 16, "C"},
      {"ａｂ"_gbk, 16, 10, "171"},
      {"4294967296", 10, 2, "1" + std::string(32, '0')},
      {"100000000", 16, 2, "1" + std::string(32, '0')},
      {"FFFFFFFF", 16, 10, "4294967295"},
      {"2147483648", 10, 2, "1" + std::string(31, '0')},
      {"9007199254740991", 10, 16, "1FFFFFFFFFFFFF"},
      {"1FFFFFFFFFFFFF", 16, 10, "9007199254740991"},
      // Past 2^64 every digit is still exact.
      {"18446744073709551616", 10, 16, "10000000000000000"},
      {"123456789012345678901234567890", 10, 36, "BYW97UM9S91DLZ68TSI"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Convert(row.text, row.from, row.to), row.expected) << row.text << " " << row.from << "->" << row.to;
  }
}

TEST(ConvertRadix, EqualBasesReturnTheNormalisedText) {
  const Row rows[] = {
      {"", 10, 10, ""},
      {"007", 10, 10, "007"},
      {"ff", 16, 16, "FF"},
      {"ｚ"_gbk, 36, 36, "Z"},
  };
  for (const Row& row : rows) EXPECT_EQ(Convert(row.text, row.from, row.to), row.expected) << row.text;
}

TEST(ConvertRadix, ReplacesItsArgumentByTheNormalisedText) {
  ByteText text = "ｆｆ"_gbk;
  ConvertRadix(text, 16, 2);
  EXPECT_EQ(text, "FF");
  ByteText bad = "zz";
  ConvertRadix(bad, 1, 10);
  EXPECT_EQ(bad, "zz") << "a bad base leaves the text unexamined";
}

TEST(ConvertRadix, NamesTheWholeNormalisedTextInTheDigitMessage) {
  const Row rows[] = {
      {"1G", 16, 2, DigitMessage("1G", "一十六")},
      {"1g", 16, 2, DigitMessage("1G", "一十六")},
      {"12", 2, 10, DigitMessage("12", "二")},
      {"-5", 10, 2, DigitMessage("-5", "一十")},
      {"1.5", 10, 2, DigitMessage("1.5", "一十")},
      {" 1", 10, 2, DigitMessage(" 1", "一十")},
      {"A3", 10, 2, DigitMessage("A3", "一十")},
      {"十"_gbk, 10, 2, DigitMessage("十", "一十")},
      {"１ｇ"_gbk, 16, 16, DigitMessage("1G", "一十六")},
      {"Z", 35, 10, DigitMessage("Z", "三十五")},
  };
  for (const Row& row : rows) EXPECT_EQ(Convert(row.text, row.from, row.to), row.expected) << row.text;
}

TEST(ConvertRadix, RejectsBasesOutsideTwoToThirtySix) {
  const ByteText message = "参数错误-进制只能在2-36之间"_gbk;
  const Row rows[] = {
      {"10", 37, 10, message}, {"zz", 1, 10, message}, {"10", 10, 1, message},
      {"10", 10, 37, message}, {"1G", 0, 16, message}, {"", -5, 2, message},
  };
  for (const Row& row : rows) EXPECT_EQ(Convert(row.text, row.from, row.to), row.expected) << row.from << "->" << row.to;
}

TEST(ConvertRadix, BaseNamesAreAmountReadings) {
  EXPECT_EQ(BaseName(2), "二"_gbk);
  EXPECT_EQ(BaseName(10), "一十"_gbk);
  EXPECT_EQ(BaseName(16), "一十六"_gbk);
  EXPECT_EQ(BaseName(20), "二十"_gbk);
  EXPECT_EQ(BaseName(36), "三十六"_gbk);
}

TEST(ConvertRadix, HugeInputsConvertExactly) {
  // A million binary ones is 2^1000000 - 1: in base 16 every digit is F.
  EXPECT_EQ(Convert(std::string(1000000, '1'), 2, 16), std::string(250000, 'F'));
  const ByteText leadingZeros = std::string(5000, '0') + "255";
  EXPECT_EQ(Convert(leadingZeros, 10, 16), "FF");
  const ByteText invalid = std::string(999999, '1') + "2";
  const ByteText message = Convert(invalid, 2, 10);
  EXPECT_EQ(message.size(), "参数错误-"_gbk.size() + invalid.size() + "不是一个有效的二进制数！"_gbk.size());
}

// Random digit strings in random bases, checked against the standard
// library's own integer parsing and printing.
TEST(ConvertRadix, AgreesWithStandardConversionOnRandomValues) {
  std::mt19937_64 random(20261211);
  std::uniform_int_distribution<int> baseOf(2, 36);
  for (int round = 0; round < 5000; ++round) {
    const int from = baseOf(random);
    const int to = baseOf(random);
    const std::uint64_t value = random() >> (random() % 64);
    char source[80];
    const auto end = std::to_chars(source, source + sizeof source, value, from).ptr;
    ByteText text(source, end);
    if (round % 3 == 0) text = "00" + text;  // leading zeros change nothing

    char expected[80];
    const auto expectedEnd = std::to_chars(expected, expected + sizeof expected, value, to).ptr;
    const std::string upper = UpperCase(std::string(expected, expectedEnd));

    const ByteText converted = Convert(text, from, to);
    if (from == to) {
      ASSERT_EQ(converted, UpperCase(text)) << "equal bases keep the digits as they are";
      continue;
    }
    ASSERT_EQ(converted, upper) << text << " " << from << "->" << to;
    std::uint64_t back = 0;
    std::from_chars(converted.data(), converted.data() + converted.size(), back, to);
    ASSERT_EQ(back, value);
  }
}

}  // namespace

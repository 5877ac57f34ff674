#include "seg7demo/decoding.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// The lamps a decoding lights, written as their names, for short expectations.
std::set<std::string> LitLamps(const DisplayColours& colours) {
  std::set<std::string> lit;
  for (int i = 0; i < kLampCount; ++i) {
    if (colours[static_cast<std::size_t>(i)] == kLampLit) lit.insert(LampNames()[static_cast<std::size_t>(i)]);
  }
  return lit;
}

std::set<std::string> Lamps(std::initializer_list<const char*> segments, std::initializer_list<int> digits) {
  std::set<std::string> names;
  for (int digit : digits) {
    for (const char* segment : segments) names.insert(segment + std::to_string(digit));
  }
  return names;
}

const auto kDigitZero = {"A", "B", "C", "D", "E", "F"};
const auto kAllSegments = {"A", "B", "C", "D", "E", "F", "G", "DP"};

TEST(DecodeDisplay, LightsTheSegmentsOfThePoweredDigits) {
  struct Row {
    ByteText p0, p2;
    std::set<std::string> lit;
  };
  const Row rows[] = {
      {"28", "BF", Lamps(kDigitZero, {1})},
      {"28", "DF", Lamps(kDigitZero, {2})},
      {"28", "EF", Lamps(kDigitZero, {3})},
      {"28", "7F", Lamps(kDigitZero, {4})},
      {"28", "0F", Lamps(kDigitZero, {1, 2, 3, 4})},
      {"28", "00", Lamps(kDigitZero, {1, 2, 3, 4})},
      {"00", "FF", {}},
      {"7F", "BF", Lamps({"E"}, {1})},
      {"FE", "BF", Lamps({"B"}, {1})},
      {"00", "BF", Lamps(kAllSegments, {1})},
      // Lower-case, full-width and short codes mean what their value means.
      {"ff", "BF", {}},
      {"ＦＦ"_gbk, "BF", {}},
      {"F", "BF", Lamps({"E", "D", "DP", "C"}, {1})},
      {"0F", "BF", Lamps({"E", "D", "DP", "C"}, {1})},
      {"２８"_gbk, "ｂｆ"_gbk, Lamps(kDigitZero, {1})},
      // Past FF only the eight most significant bits count.
      {"100", "BF", Lamps({"A", "B", "C", "D", "F", "G", "DP"}, {1})},
      {"28", "100", Lamps(kDigitZero, {1, 2, 3})},
      {"1FF", "00", {}},
      // A code that is no hexadecimal number lights nothing or powers nothing.
      {"G1", "BF", {}},
      {"28", "G1", {}},
      {"-1", "00", {}},
      {"十"_gbk, "00", {}},
      // An empty code is zero: every segment lit, or every digit powered.
      {"", "BF", Lamps(kAllSegments, {1})},
      {"28", "", Lamps(kDigitZero, {1, 2, 3, 4})},
  };
  for (const Row& row : rows) EXPECT_EQ(LitLamps(DecodeDisplay(row.p0, row.p2)), row.lit) << row.p0 << " / " << row.p2;
}

TEST(DecodeDisplay, UnlitLampsHaveNoFill) {
  for (const LampColor colour : DecodeDisplay("28", "BF")) {
    EXPECT_TRUE(colour == kLampLit || colour == kLampUnlit);
  }
  EXPECT_EQ(DecodeDisplay("28", "BF")[6], kLampUnlit) << "G1";
}

TEST(DecodeDisplay, LampsAreNamedDigitByDigit) {
  EXPECT_EQ(LampNames()[0], "A1");
  EXPECT_EQ(LampNames()[7], "DP1");
  EXPECT_EQ(LampNames()[8], "A2");
  EXPECT_EQ(LampNames()[31], "DP4");
}

TEST(EncodeFirstDigit, GivesTheCodeOfTheLitLamps) {
  constexpr LampColor on = kLampLit;
  constexpr LampColor off = kLampUnlit;
  struct Row {
    std::array<LampColor, kSegmentsPerDigit> colours;  // A1 B1 C1 D1 E1 F1 G1 DP1
    ByteText code;
  };
  const Row rows[] = {
      {{off, on, off, off, off, off, off, off}, "FE"},
      {{off, on, on, off, off, off, off, off}, "EE"},
      {{on, on, on, on, on, on, on, on}, "0"},
      {{off, off, off, off, off, off, off, off}, "FF"},
      {{off, off, off, off, on, off, off, off}, "7F"},
      {{on, off, off, off, off, off, off, off}, "FB"},
      {{on, on, on, on, on, on, off, off}, "28"},
      // Only the exact lit colour counts as lit.
      {{0, 256, 254, 0x100000FF, 0, 0, 0, 0}, "FF"},
  };
  for (const Row& row : rows) EXPECT_EQ(EncodeFirstDigit(row.colours), row.code) << row.code;
}

TEST(EncodeFirstDigit, RoundTripsEveryDigitOfTheFont) {
  for (const ByteText& code : DigitFont()) {
    const DisplayColours colours = DecodeDisplay(code, "BF");
    std::array<LampColor, kSegmentsPerDigit> firstDigit{};
    std::copy_n(colours.begin(), kSegmentsPerDigit, firstDigit.begin());
    EXPECT_EQ(EncodeFirstDigit(firstDigit), code);
  }
}

TEST(ToggleLampColor, SwitchesBetweenLitAndNoFill) {
  EXPECT_EQ(ToggleLampColor(kLampUnlit), kLampLit);
  EXPECT_EQ(ToggleLampColor(kLampLit), kLampUnlit);
  EXPECT_EQ(ToggleLampColor(0), kLampUnlit);
}

TEST(DigitFont, ShowsTheDigitsZeroToNine) {
  // Segments lit per digit, read through the same wiring the display uses.
  const std::set<std::string> expected[] = {
      Lamps({"A", "B", "C", "D", "E", "F"}, {1}), Lamps({"B", "C"}, {1}),
      Lamps({"A", "B", "D", "E", "G"}, {1}),      Lamps({"A", "B", "C", "D", "G"}, {1}),
      Lamps({"B", "C", "F", "G"}, {1}),           Lamps({"A", "C", "D", "F", "G"}, {1}),
      Lamps({"A", "C", "D", "E", "F", "G"}, {1}), Lamps({"A", "B", "C"}, {1}),
      Lamps(kAllSegments, {1}),                   Lamps({"A", "B", "C", "D", "F", "G"}, {1}),
  };
  for (int digit = 0; digit < 10; ++digit) {
    std::set<std::string> lit = expected[digit];
    if (digit == 8) lit.erase("DP1");  // no digit lights the decimal point
    EXPECT_EQ(LitLamps(DecodeDisplay(DigitFont()[static_cast<std::size_t>(digit)], "BF")), lit) << digit;
  }
}

}  // namespace

#include "radixconv/fields.h"

#include <gtest/gtest.h>

#include <string>

#include "radixcore/convert_radix.h"
#include "radixcore/gbk.h"

namespace radixconv {
namespace {

TEST(PaddingZeros, MakesEveryShortTextOneByteLong) {
  for (int length = 1; length <= 7; ++length) {
    EXPECT_EQ(PaddingZeros(length), ByteText(static_cast<std::size_t>(8 - length), '0')) << length;
  }
  for (const int length : {-1, 0, 8, 9, 1000}) EXPECT_EQ(PaddingZeros(length), "") << length;
}

// Lamp colours as letters, position 1 (lamp 外形框8, D7) first: R red, B black.
std::string LampPattern(const ByteText& binary) {
  std::string pattern;
  for (const LampColor colour : BitLampColours(binary)) {
    pattern += colour == kZeroBitColor ? 'R' : colour == kOtherBitColor ? 'B' : '?';
  }
  return pattern;
}

TEST(BitLampColours, ZeroLightsRedFromTheRightmostEightBytes) {
  ByteText minusOne = "-1";
  const ByteText message = ConvertRadix(minusOne, 10, 2);
  struct Row {
    ByteText binary;
    std::string pattern;
  };
  const Row rows[] = {
      {"00000001", "RRRRRRRB"},
      {"11111111", "BBBBBBBB"},
      {"10101010", "BRBRBRBR"},
      {"100000000", "RRRRRRRR"},        // only the low eight count
      {"1111111100000011", "RRRRRRBB"},
      {"101", "BRBBBBBB"},              // no alignment by weight: from the top lamp down
      {"0", "RBBBBBBB"},
      {"", "BBBBBBBB"},
      {"2", "BBBBBBBB"},
      {message, "BBBBBBBB"},            // a message's last eight bytes hold no "0"
  };
  for (const Row& row : rows) EXPECT_EQ(LampPattern(row.binary), row.pattern) << Utf8FromGbk(row.binary);
}

}  // namespace
}  // namespace radixconv

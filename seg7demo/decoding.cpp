#include "seg7demo/decoding.h"

#include "radixcore/convert_radix.h"
#include "radixcore/text.h"

namespace {

// For each segment in lamp order (A … DP), its position in the P0 binary
// code, position 1 being bit 7.
constexpr std::array<int, kSegmentsPerDigit> kSegmentPosition = {6, 8, 4, 2, 1, 7, 5, 3};
// The weight of each segment's P0 bit, in lamp order.
constexpr std::array<unsigned, kSegmentsPerDigit> kSegmentWeight = {4, 1, 16, 64, 128, 2, 8, 32};
// For LED1 … LED4, the position of its select bit in the P2 binary code.
constexpr std::array<int, kDigitCount> kSelectPosition = {2, 3, 4, 1};

// A port code in binary, left-padded to eight places when it is shorter.
ByteText BinaryCode(const ByteText& portCode) {
  ByteText text = portCode;
  ByteText code = ConvertRadix(text, 16, 2);
  // Seven tests in a row, one per short length; a padded code is eight long,
  // so at most one of them applies.
  static const std::array<const char*, 7> zeros = {"0000000", "000000", "00000", "0000", "000", "00", "0"};
  for (int length = 1; length <= 7; ++length) {
    if (TextLength(code) == length) code = zeros[static_cast<std::size_t>(length - 1)] + code;
  }
  return code;
}

bool IsZeroAt(const ByteText& code, int position) { return TextMid(code, position, 1) == "0"; }

}  // namespace

const std::array<std::string, kLampCount>& LampNames() {
  static const std::array<std::string, kLampCount> names = [] {
    std::array<std::string, kLampCount> built;
    for (int digit = 0; digit < kDigitCount; ++digit) {
      for (int segment = 0; segment < kSegmentsPerDigit; ++segment) {
        built[static_cast<std::size_t>(digit * kSegmentsPerDigit + segment)] =
            std::string(kSegmentNames[static_cast<std::size_t>(segment)]) + std::to_string(digit + 1);
      }
    }
    return built;
  }();
  return names;
}

DisplayColours DecodeDisplay(const ByteText& p0Text, const ByteText& p2Text) {
  const ByteText p0 = BinaryCode(p0Text);
  const ByteText p2 = BinaryCode(p2Text);
  DisplayColours colours;
  colours.fill(kLampUnlit);
  for (int digit = 0; digit < kDigitCount; ++digit) {
    if (!IsZeroAt(p2, kSelectPosition[static_cast<std::size_t>(digit)])) continue;
    for (int segment = 0; segment < kSegmentsPerDigit; ++segment) {
      if (IsZeroAt(p0, kSegmentPosition[static_cast<std::size_t>(segment)])) {
        colours[static_cast<std::size_t>(digit * kSegmentsPerDigit + segment)] = kLampLit;
      }
    }
  }
  return colours;
}

ByteText EncodeFirstDigit(const std::array<LampColor, kSegmentsPerDigit>& colours) {
  std::uint8_t sum = 0;
  for (std::size_t segment = 0; segment < colours.size(); ++segment) {
    if (colours[segment] == kLampLit) sum = static_cast<std::uint8_t>(sum + kSegmentWeight[segment]);
  }
  ByteText decimal = DoubleToText(255.0 - sum);
  return ConvertRadix(decimal, 10, 16);
}

LampColor ToggleLampColor(LampColor colour) { return colour == kLampUnlit ? kLampLit : kLampUnlit; }

const std::array<ByteText, 10>& DigitFont() {
  static const std::array<ByteText, 10> font = {"28", "EE", "32", "A2", "E4", "A1", "21", "EA", "20", "A0"};
  return font;
}

#include "radixconv/fields.h"

#include "radixcore/text.h"

namespace radixconv {

const ByteText& PaddingZeros(int length) {
  static const std::array<ByteText, kBitLampCount> zeros = {"",    "0000000", "000000", "00000",
                                                            "0000", "000",    "00",     "0"};
  if (length < 1 || length >= kBitLampCount) return zeros[0];
  return zeros[static_cast<std::size_t>(length)];
}

std::array<LampColor, kBitLampCount> BitLampColours(const ByteText& binary) {
  const ByteText lowByte = TextRight(binary, kBitLampCount);
  std::array<LampColor, kBitLampCount> colours{};
  for (int position = 1; position <= kBitLampCount; ++position) {
    colours[static_cast<std::size_t>(position - 1)] =
        TextMid(lowByte, position, 1) == "0" ? kZeroBitColor : kOtherBitColor;
  }
  return colours;
}

}  // namespace radixconv

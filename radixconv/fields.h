#pragma once
// The rules that turn a binary text into what the window shows: the zeros
// that pad a short binary number to a whole byte, and the colours of the
// eight bit lamps. Pure functions on texts; no window code.

#include <array>
#include <cstdint>

#include "radixcore/bytetext.h"

namespace radixconv {

// A bit lamp's fill colour, in 0x00BBGGRR form.
using LampColor = std::uint32_t;
inline constexpr LampColor kZeroBitColor = 255;  // red
inline constexpr LampColor kOtherBitColor = 0;   // black

inline constexpr int kBitLampCount = 8;

// The zeros put in front of a binary text `length` bytes long to make it
// eight bytes long: "0000000" for 1 … "0" for 7; "" for any other length.
const ByteText& PaddingZeros(int length);

// The lamp colours for positions 1 to 8 of the rightmost eight bytes of
// `binary`, read left to right; a position beyond the end of a shorter text
// counts as not "0". Shorter texts are not aligned by bit weight.
std::array<LampColor, kBitLampCount> BitLampColours(const ByteText& binary);

// The lamp (外形框 number) that shows a position: position 1 is the top
// bit's lamp 8, position 8 is lamp 1.
constexpr int LampForPosition(int position) { return kBitLampCount + 1 - position; }

}  // namespace radixconv

#pragma once
// The model of the simulated circuit: a four-digit common-anode display whose
// segments hang on port P0 and whose digits are powered through port P2, both
// active low. Pure functions on texts and colours; no window code.

#include <array>
#include <cstdint>
#include <string>

#include "radixcore/bytetext.h"

// The fill colour of a segment lamp, in 0x00BBGGRR form.
using LampColor = std::uint32_t;
inline constexpr LampColor kLampLit = 255;             // red
inline constexpr LampColor kLampUnlit = 0xFF000000u;   // no fill: the outline alone

inline constexpr int kDigitCount = 4;
inline constexpr int kSegmentsPerDigit = 8;
inline constexpr int kLampCount = kDigitCount * kSegmentsPerDigit;

// The segments of one digit in lamp order: A, B, C, D, E, F, G, DP.
inline constexpr std::array<const char*, kSegmentsPerDigit> kSegmentNames = {"A", "B", "C", "D",
                                                                             "E", "F", "G", "DP"};

// Lamp names in the order DecodeDisplay returns colours: A1 … DP1, A2 … DP4.
const std::array<std::string, kLampCount>& LampNames();

// Colours of all 32 lamps, in the order of LampNames().
using DisplayColours = std::array<LampColor, kLampCount>;

// The lamps the two port texts light (P0 segments, P2 digit select).
DisplayColours DecodeDisplay(const ByteText& p0Text, const ByteText& p2Text);

// The P0 code, in upper-case hexadecimal without leading zeros, that lights
// exactly the LED1 lamps given as lit, colours in the order A1, B1, C1, D1,
// E1, F1, G1, DP1.
ByteText EncodeFirstDigit(const std::array<LampColor, kSegmentsPerDigit>& colours);

// The colour a clicked lamp takes.
LampColor ToggleLampColor(LampColor colour);

// The P0 codes that show the digits 0 to 9.
const std::array<ByteText, 10>& DigitFont();

#pragma once
// The text and number primitives whose exact results the programs show.
// Every function is pure: it returns a new value and changes no argument.

#include <cstdint>

#include "radixcore/bytetext.h"

// Byte counts and byte cuts; they may cut a two-byte character in half.
int TextLength(const ByteText& text);
ByteText TextRight(const ByteText& text, int count);
// count bytes from byte position start (from 1); "" when start < 1,
// start > length or count <= 0.
ByteText TextMid(const ByteText& text, int start, int count);

// ASCII a-z to A-Z; two-byte characters are stepped over whole.
ByteText ToUpperCase(const ByteText& text);
// Full-width forms, the ideographic space, the full-width tilde and the two
// stars folded to ASCII; a lone lead byte at the end is dropped.
ByteText ToHalfWidth(const ByteText& text);

// A one-byte text holding code; "" for code 0.
ByteText CharFromCode(int code);

ByteText IntToText(std::int32_t value);
// "%.13g" with an exponent of at least three digits: 1e13 gives "1e+013".
ByteText DoubleToText(double value);
// Six significant digits after the rounding that single-precision values
// get in the programs' number texts; halves an earlier step rounded down
// stay down, so 123456.5 gives "123456".
ByteText FloatToText(float value);

// Reads an optional sign and decimal digits after leading white space,
// full-width forms folded first; the digits accumulate modulo 2^32.
std::int32_t TextToInt(const ByteText& text);
// Truncates toward zero.
std::int32_t DoubleToInt(double value);

// The Chinese amount reading of a whole number from 1 to 99: 10 gives
// "一十元整", 36 gives "三十六元整".
ByteText AmountText(int value);

// The value an integer edit box keeps when it loses the focus: a signed
// decimal read after leading white space, clamped to the 32-bit range
// (longer runs of digits saturate rather than wrap), with "0" left empty.
ByteText NormaliseIntegerText(const ByteText& text);

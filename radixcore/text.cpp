#include "radixcore/text.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

bool IsLeadByte(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

bool IsSpaceByte(char byte) { return byte == ' ' || (byte >= '\t' && byte <= '\r'); }

// Widens the exponent of a printf "%g" result to at least three digits.
ByteText WidenExponent(const char* printed) {
  ByteText text(printed);
  const auto e = text.find('e');
  if (e == ByteText::npos) return text;
  const auto digitsAt = e + 2;  // after "e" and its sign
  const auto digits = text.size() - digitsAt;
  if (digits < 3) text.insert(digitsAt, 3 - digits, '0');
  return text;
}

ByteText FormatG(double value, int significantDigits) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*g", significantDigits, value);
  return WidenExponent(buffer);
}

}  // namespace

int TextLength(const ByteText& text) { return static_cast<int>(text.size()); }

ByteText TextRight(const ByteText& text, int count) {
  if (count <= 0) return {};
  if (static_cast<std::size_t>(count) >= text.size()) return text;
  return text.substr(text.size() - static_cast<std::size_t>(count));
}

ByteText TextMid(const ByteText& text, int start, int count) {
  if (start < 1 || static_cast<std::size_t>(start) > text.size() || count <= 0) return {};
  return text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count));
}

ByteText ToUpperCase(const ByteText& text) {
  ByteText result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char byte = text[i];
    if (IsLeadByte(byte)) {
      result += byte;
      if (i + 1 < text.size()) result += text[++i];
    } else if (byte >= 'a' && byte <= 'z') {
      result += static_cast<char>(byte - 0x20);
    } else {
      result += byte;
    }
  }
  return result;
}

ByteText ToHalfWidth(const ByteText& text) {
  ByteText result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char byte = text[i];
    if (!IsLeadByte(byte)) {
      result += byte;
      continue;
    }
    if (i + 1 >= text.size()) break;  // a lone lead byte at the end is dropped
    const auto lead = static_cast<unsigned char>(byte);
    const auto trail = static_cast<unsigned char>(text[++i]);
    if (lead == 0xA1 && trail == 0xA1) {
      result += ' ';
    } else if (lead == 0xA1 && trail == 0xAB) {
      result += '~';
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      result += '*';
    } else if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      result += static_cast<char>(trail - 0x80);
    } else {
      result += static_cast<char>(lead);
      result += static_cast<char>(trail);
    }
  }
  return result;
}

ByteText CharFromCode(int code) {
  if (code <= 0 || code > 255) return {};
  return ByteText(1, static_cast<char>(code));
}

ByteText IntToText(std::int32_t value) { return std::to_string(value); }

ByteText DoubleToText(double value) {
  if (value == 0) return "0";
  return FormatG(value, 13);
}

ByteText FloatToText(float value) {
  if (value == 0) return "0";
  // The steps run in double precision, and each one rounds where the
  // programs' own number texts round; keep them in this order.
  std::uint32_t bits = 0;
  static_assert(sizeof bits == sizeof value);
  __builtin_memcpy(&bits, &value, sizeof bits);
  const int e2 = static_cast<int>((bits >> 23) & 0xFF) - 127;
  int e10 = static_cast<int>(std::trunc(e2 * std::log10(2.0)));
  double p = std::pow(10.0, std::abs(e10));
  const double magnitude = std::fabs(static_cast<double>(value));
  double a = e10 > 0 ? magnitude / p : magnitude * p;
  if (a >= 10) {
    p *= 10;
    e10 += 1;
    a *= 10000;
  } else if (a < 1) {
    p *= 10;
    e10 -= 1;
    a *= 1000000;
  } else {
    a *= 100000;
  }
  double r = std::trunc(a);
  if (a - r >= 0.5) r += 1;
  const double s = value < 0 ? -p : p;
  const double rounded = e10 > 0 ? r * (s * 0.00001) : r / (s * 100000);
  return FormatG(rounded, 6);
}

std::int32_t TextToInt(const ByteText& text) {
  const ByteText folded = ToHalfWidth(text);
  std::size_t i = 0;
  while (i < folded.size() && IsSpaceByte(folded[i])) ++i;
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
  std::uint32_t value = 0;
  for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i) {
    value = value * 10u + static_cast<std::uint32_t>(folded[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

std::int32_t DoubleToInt(double value) { return static_cast<std::int32_t>(value); }

ByteText AmountText(int value) {
  static const std::array<ByteText, 10> numerals = {"零"_gbk, "一"_gbk, "二"_gbk, "三"_gbk, "四"_gbk,
                                                    "五"_gbk, "六"_gbk, "七"_gbk, "八"_gbk, "九"_gbk};
  static const ByteText ten = "十"_gbk;
  static const ByteText whole = "元整"_gbk;
  ByteText result;
  const int tens = value / 10;
  const int units = value % 10;
  if (tens > 0 && tens <= 9) {
    result = numerals[static_cast<std::size_t>(tens)] + ten;
    if (units > 0) result += numerals[static_cast<std::size_t>(units)];
  } else if (value >= 1 && value <= 9) {
    result = numerals[static_cast<std::size_t>(value)];
  }
  return result + whole;
}

ByteText NormaliseIntegerText(const ByteText& text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpaceByte(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Saturate instead of overflowing: any run of digits too long for 32 bits
  // clamps to the nearest end of the range, however long it is.
  constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > limit) magnitude = limit;
  }
  std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) value = std::numeric_limits<std::int32_t>::max();
  if (value == 0) return {};
  return std::to_string(value);
}

#include "radixcore/convert_radix.h"

#include <gmp.h>

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <string_view>

#include "radixcore/text.h"

namespace {

constexpr std::string_view kRadixDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::uint8_t kNoDigit = 36;

// The value of every byte as a digit: its index in kRadixDigits, the same
// for a lower-case letter, which normalisation upper-cases; kNoDigit for a
// byte that is a digit in no base, every byte of 0x80 or above among them.
constexpr std::array<std::uint8_t, 256> kDigitValue = [] {
  std::array<std::uint8_t, 256> values{};
  values.fill(kNoDigit);
  for (std::size_t digit = 0; digit < kRadixDigits.size(); ++digit) {
    const char upper = kRadixDigits[digit];
    values[static_cast<unsigned char>(upper)] = static_cast<std::uint8_t>(digit);
    if (upper >= 'A') values[static_cast<unsigned char>(upper - 'A' + 'a')] = static_cast<std::uint8_t>(digit);
  }
  return values;
}();

// For each base, the most digits that always fit in 64 bits: up to that
// many no overflow check is needed.
constexpr std::array<std::size_t, 37> kDigitsThatFit = [] {
  std::array<std::size_t, 37> counts{};
  for (unsigned base = 2; base <= 36; ++base) {
    for (unsigned __int128 limit = base; limit <= static_cast<unsigned __int128>(UINT64_MAX) + 1; limit *= base) {
      ++counts[base];
    }
  }
  return counts;
}();

ByteText DigitMessage(const ByteText& normalised, int from) {
  static const ByteText head = "参数错误-"_gbk;
  static const ByteText middle = "不是一个有效的"_gbk;
  static const ByteText tail = "进制数！"_gbk;
  return head + normalised + middle + BaseName(from) + tail;
}

// ToUpperCase(ToHalfWidth(text)). Plain ASCII, as typed digits are, has
// nothing to fold, and only its letters a-z change: that is done in place.
// Anything else goes through the primitives themselves.
void Normalise(ByteText& text) {
  for (char& byte : text) {
    if (static_cast<unsigned char>(byte) >= 0x80) {
      text = ToUpperCase(ToHalfWidth(text));
      return;
    }
    if (byte >= 'a' && byte <= 'z') byte = static_cast<char>(byte - ('a' - 'A'));
  }
}

struct Reading {
  bool allDigits = true;
  bool fits = true;         // the value fits in 64 bits
  std::uint64_t value = 0;  // when it fits
};

// Reads the digits of the text in one pass: checks each byte, upper-cases
// the letters in place and builds the value while it fits in 64 bits. It
// stops at the first byte that is no digit of the base, which may still be
// one once the text is normalised (a full-width digit, say). For the bases
// the programs use (2, 10, 16) the base is a template argument, so that the
// value grows by a constant factor; Base 0 stands for any other base.
template <unsigned Base>
Reading ReadDigits(ByteText& text, unsigned runtimeBase = Base) {
  const unsigned base = Base != 0 ? Base : runtimeBase;
  Reading reading;
  char* at = text.data();
  char* const end = at + text.size();
  char* const uncheckedEnd = text.size() <= kDigitsThatFit[base] ? end : at + kDigitsThatFit[base];
  auto nextDigit = [&](unsigned& digit) {
    const char byte = *at;
    digit = kDigitValue[static_cast<unsigned char>(byte)];
    if (digit >= base) return false;
    if (byte >= 'a') *at = static_cast<char>(byte - ('a' - 'A'));  // a digit: a lower-case letter
    ++at;
    return true;
  };
  unsigned digit = 0;
  while (at != uncheckedEnd) {
    if (!nextDigit(digit)) return {false, false, 0};
    reading.value = reading.value * base + digit;
  }
  while (at != end) {
    if (!nextDigit(digit)) return {false, false, 0};
    reading.fits = reading.fits && !__builtin_mul_overflow(reading.value, std::uint64_t{base}, &reading.value) &&
                   !__builtin_add_overflow(reading.value, std::uint64_t{digit}, &reading.value);
  }
  return reading;
}

Reading ReadDigits(ByteText& text, int base) {
  switch (base) {
    case 2: return ReadDigits<2>(text);
    case 10: return ReadDigits<10>(text);
    case 16: return ReadDigits<16>(text);
    default: return ReadDigits<0>(text, static_cast<unsigned>(base));
  }
}

// The upper-case digits of value in base `to`, written from the last one
// back. Bases that are powers of two take whole bits per digit.
ByteText DigitsOf(std::uint64_t value, int to) {
  char digits[64];
  char* const end = digits + sizeof digits;
  char* at = end;
  const auto base = static_cast<unsigned>(to);
  if ((base & (base - 1)) == 0) {
    const int bitsPerDigit = std::countr_zero(base);
    do {
      *--at = kRadixDigits[value & (base - 1)];
      value >>= bitsPerDigit;
    } while (value != 0);
    return ByteText(at, end);
  }
  at = std::to_chars(digits, end, value, to).ptr;
  if (to > 10) {
    for (char* digit = digits; digit != at; ++digit) {
      if (*digit >= 'a') *digit = static_cast<char>(*digit - ('a' - 'A'));
    }
  }
  return ByteText(digits, at);
}

struct Mpz {
  mpz_t value;
  Mpz() { mpz_init(value); }
  ~Mpz() { mpz_clear(value); }
  Mpz(const Mpz&) = delete;
  Mpz& operator=(const Mpz&) = delete;
};

// Any length, exactly; for values past 64 bits.
ByteText DigitsOfLongValue(const ByteText& digits, int from, int to) {
  Mpz number;
  mpz_set_str(number.value, digits.c_str(), from);
  ByteText result(mpz_sizeinbase(number.value, to) + 2, '\0');
  mpz_get_str(result.data(), -to, number.value);  // negative base: upper-case letters
  result.resize(std::char_traits<char>::length(result.c_str()));
  return result;
}

}  // namespace

ByteText BaseName(int base) {
  const ByteText amount = AmountText(base);
  return amount.substr(0, amount.size() - 4);  // less "元整", two GBK characters
}

ByteText ConvertRadix(ByteText& text, int from, int to) {
  if (from < 2 || to < 2 || from > 36 || to > 36) {
    static const ByteText rangeMessage = "参数错误-进制只能在2-36之间"_gbk;
    return rangeMessage;
  }
  Reading reading = ReadDigits(text, from);
  if (!reading.allDigits) {
    // Typed digits are already normal; the rest is folded first and read
    // again, so that full-width digits count and a message quotes the
    // normalised text.
    Normalise(text);
    reading = ReadDigits(text, from);
    if (!reading.allDigits) return DigitMessage(text, from);
  }
  if (from == to) return text;
  if (reading.fits) return DigitsOf(reading.value, to);
  return DigitsOfLongValue(text, from, to);
}

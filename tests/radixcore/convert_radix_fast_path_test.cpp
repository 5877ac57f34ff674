// ConvertRadix reads typed digits in one pass and converts values that fit
// in 64 bits without GMP. These checks hold it to an independent reference
// built from the primitives and GMP alone, where the two paths meet: at the
// 64-bit boundary, at lengths around the overflow-free limit, and on texts
// the one-pass reading must hand on to the full normalisation.
#include <gmp.h>
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "radixcore/convert_radix.h"
#include "radixcore/text.h"

namespace {

constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// What the conversion must return, computed the slow way: normalise with
// the primitives, check every byte, convert with GMP.
ByteText Reference(const ByteText& text, int from, int to) {
  const ByteText normalised = ToUpperCase(ToHalfWidth(text));
  for (const char byte : normalised) {
    if (kDigits.substr(0, static_cast<std::size_t>(from)).find(byte) == std::string_view::npos) {
      return "参数错误-"_gbk + normalised + "不是一个有效的"_gbk + BaseName(from) + "进制数！"_gbk;
    }
  }
  if (from == to) return normalised;
  if (normalised.empty()) return "0";
  mpz_t value;
  mpz_init_set_str(value, normalised.c_str(), from);
  std::string digits(mpz_sizeinbase(value, to) + 2, '\0');
  mpz_get_str(digits.data(), -to, value);
  mpz_clear(value);
  digits.resize(std::char_traits<char>::length(digits.c_str()));
  return digits;
}

void ExpectSameAsReference(const ByteText& text, int from, int to) {
  ByteText argument = text;
  const ByteText converted = ConvertRadix(argument, from, to);
  ASSERT_EQ(converted, Reference(text, from, to)) << text << " " << from << "->" << to;
  ASSERT_EQ(argument, ToUpperCase(ToHalfWidth(text))) << "the argument holds the normalised text";
}

// The digits of value in base, with `zeros` leading zeros and the letters
// lower-cased when asked.
ByteText Written(mpz_srcptr value, int base, int zeros, bool lowerCase) {
  std::string digits(mpz_sizeinbase(value, base) + 2, '\0');
  mpz_get_str(digits.data(), lowerCase ? base : -base, value);
  digits.resize(std::char_traits<char>::length(digits.c_str()));
  return std::string(static_cast<std::size_t>(zeros), '0') + digits;
}

TEST(ConvertRadixFastPath, AgreesWithGmpAroundTheSixtyFourBitBoundary) {
  mpz_t value;
  mpz_init(value);
  for (int from = 2; from <= 36; ++from) {
    for (int to = 2; to <= 36; ++to) {
      // 2^64 - 2 to 2^64 + 1, and 2^63 and 2^32 on either side.
      for (const unsigned bits : {64u, 63u, 32u}) {
        for (const int offset : {-2, -1, 0, 1}) {
          mpz_ui_pow_ui(value, 2, bits);
          if (offset < 0) mpz_sub_ui(value, value, static_cast<unsigned long>(-offset));
          if (offset > 0) mpz_add_ui(value, value, static_cast<unsigned long>(offset));
          ExpectSameAsReference(Written(value, from, 0, false), from, to);
          ExpectSameAsReference(Written(value, from, 3, true), from, to);
        }
      }
    }
  }
  mpz_clear(value);
}

// Every length from 1 to 70 digits of the largest digit: the longest that
// still fits is where the reading stops skipping its overflow checks.
TEST(ConvertRadixFastPath, AgreesWithGmpAtEveryLengthOfTheLargestDigit) {
  for (const int from : {2, 3, 7, 10, 16, 36}) {
    for (std::size_t length = 1; length <= 70; ++length) {
      const ByteText text(length, kDigits[static_cast<std::size_t>(from - 1)]);
      for (const int to : {2, 10, 16, 36}) ExpectSameAsReference(text, from, to);
    }
  }
}

// Short texts drawn from digits of both cases, full-width digits and
// letters, punctuation on either side of the letters, GBK characters and a
// lone lead byte: whatever the one-pass reading cannot settle goes through
// the primitives, and the result is the same.
TEST(ConvertRadixFastPath, AgreesWithTheReferenceOnMixedTexts) {
  const std::vector<ByteText> pieces = {"0", "1", "7", "9", "a", "f", "z", "A", "F", "Z", "g", "G",
                                        "~", "{", "`", "@", "[", " ", "-", "\x7f", "１"_gbk, "ｆ"_gbk,
                                        "Ｚ"_gbk, "十"_gbk, "\x81"};
  std::mt19937 random(1211);
  std::uniform_int_distribution<std::size_t> pieceOf(0, pieces.size() - 1);
  std::uniform_int_distribution<int> lengthOf(0, 8);
  std::uniform_int_distribution<int> baseOf(2, 36);
  for (int round = 0; round < 20000; ++round) {
    ByteText text;
    for (int n = lengthOf(random); n > 0; --n) text += pieces[pieceOf(random)];
    ExpectSameAsReference(text, baseOf(random), baseOf(random));
  }
}

}  // namespace

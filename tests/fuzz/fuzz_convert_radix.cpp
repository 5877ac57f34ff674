// ConvertRadix on arbitrary bytes and any pair of bases, bad ones included.
// Checks: a bad base gives the range message; a text with a non-digit gives
// the digit message carrying the whole normalised text; a valid digit string
// converts and converts back to the same value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "radixcore/convert_radix.h"
#include "radixcore/text.h"
#include "tests/fuzz/check.h"

namespace {

std::string WithoutLeadingZeros(const std::string& digits) {
  const auto first = digits.find_first_not_of('0');
  return first == std::string::npos ? "0" : digits.substr(first);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int from = static_cast<int>(data[0] % 40) - 1;  // -1 to 38
  const int to = static_cast<int>(data[1] % 40) - 1;
  const ByteText input(reinterpret_cast<const char*>(data + 2), size - 2);

  ByteText text = input;
  const ByteText result = ConvertRadix(text, from, to);
  if (from < 2 || to < 2 || from > 36 || to > 36) {
    Check(result == "参数错误-进制只能在2-36之间"_gbk, "a bad base gives the range message");
    Check(text == input, "a bad base leaves the text alone");
    return 0;
  }
  const ByteText normalised = ToUpperCase(ToHalfWidth(input));
  Check(text == normalised, "the argument becomes its normalised form");

  const std::string digits = std::string("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ").substr(0, static_cast<std::size_t>(from));
  const bool valid = normalised.find_first_not_of(digits) == std::string::npos;
  if (!valid) {
    Check(result == "参数错误-"_gbk + normalised + "不是一个有效的"_gbk + BaseName(from) + "进制数！"_gbk,
          "a non-digit gives the digit message with the whole normalised text");
    return 0;
  }
  if (from == to) {
    Check(result == normalised, "equal bases return the normalised text");
    return 0;
  }
  ByteText back = result;
  Check(ConvertRadix(back, to, from) == WithoutLeadingZeros(normalised), "a valid digit string round-trips");
  return 0;
}

#include "radixcore/convert_radix.h"

#include <gmp.h>

#include <memory>
#include <string_view>

#include "radixcore/text.h"

namespace {

constexpr std::string_view kRadixDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

bool IsDigitOf(char byte, int base) {
  return kRadixDigits.substr(0, static_cast<std::size_t>(base)).find(byte) != std::string_view::npos;
}

ByteText DigitMessage(const ByteText& normalised, int from) {
  static const ByteText head = "参数错误-"_gbk;
  static const ByteText middle = "不是一个有效的"_gbk;
  static const ByteText tail = "进制数！"_gbk;
  return head + normalised + middle + BaseName(from) + tail;
}

struct Mpz {
  mpz_t value;
  Mpz() { mpz_init(value); }
  ~Mpz() { mpz_clear(value); }
  Mpz(const Mpz&) = delete;
  Mpz& operator=(const Mpz&) = delete;
};

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
  text = ToUpperCase(ToHalfWidth(text));
  for (const char byte : text) {
    if (!IsDigitOf(byte, from)) return DigitMessage(text, from);
  }
  if (from == to) return text;
  if (text.empty()) return "0";

  // The text holds only digits of `from` by now, which is all mpz_set_str
  // needs; it cannot fail here.
  Mpz number;
  mpz_set_str(number.value, text.c_str(), from);
  ByteText digits(mpz_sizeinbase(number.value, to) + 2, '\0');
  mpz_get_str(digits.data(), -to, number.value);  // negative base: upper-case letters
  digits.resize(std::char_traits<char>::length(digits.c_str()));
  return digits;
}

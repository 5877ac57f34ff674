// The text primitives on arbitrary bytes and positions. Checks: ToHalfWidth
// never lengthens a text, ToUpperCase keeps its length, the byte cuts return
// what their bounds allow, and the integer readers stay in range.
#include <cstddef>
#include <cstdint>
#include <string>

#include "radixcore/text.h"
#include "tests/fuzz/check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int start = static_cast<int>(static_cast<std::int8_t>(data[0]));
  const int count = static_cast<int>(static_cast<std::int8_t>(data[1]));
  const ByteText text(reinterpret_cast<const char*>(data + 2), size - 2);

  Check(ToHalfWidth(text).size() <= text.size(), "ToHalfWidth never lengthens a text");
  Check(ToUpperCase(text).size() == text.size(), "ToUpperCase keeps the length");
  Check(ToUpperCase(ToUpperCase(text)) == ToUpperCase(text), "ToUpperCase is idempotent");

  const ByteText mid = TextMid(text, start, count);
  if (start < 1 || start > TextLength(text) || count <= 0) {
    Check(mid.empty(), "TextMid outside the text is empty");
  } else {
    Check(mid == text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count)), "TextMid cuts bytes");
  }
  const ByteText right = TextRight(text, count);
  Check(right.size() == (count <= 0 ? 0 : std::min(text.size(), static_cast<std::size_t>(count))), "TextRight length");
  Check(text.ends_with(right), "TextRight is a suffix");

  TextToInt(text);  // any 32-bit value is a result; it must only not misbehave
  const ByteText normalised = NormaliseIntegerText(text);
  if (!normalised.empty()) {
    const long long value = std::stoll(normalised);
    Check(value >= -2147483648LL && value <= 2147483647LL && value != 0, "normalised integers stay in 32 bits");
    Check(IntToText(static_cast<std::int32_t>(value)) == normalised, "normalised integers are plain decimals");
  }
  return 0;
}

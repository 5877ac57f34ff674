// The GBK boundary both ways on arbitrary bytes. Checks: GBK text always
// reads out as valid UTF-8, and one trip through GBK settles a text, so a
// second trip changes nothing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "radixcore/gbk.h"
#include "tests/fuzz/check.h"

namespace {

bool IsValidUtf8(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string utf8 = Utf8FromGbk(bytes);
  Check(IsValidUtf8(utf8), "GBK reads out as valid UTF-8");
  const ByteText gbk = GbkFromUtf8(bytes);
  Check(GbkFromUtf8(Utf8FromGbk(gbk)) == gbk, "one trip through GBK settles a text");
  return 0;
}

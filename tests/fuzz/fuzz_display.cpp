// The display model on arbitrary port texts and lamp colours. Checks: every
// lamp colour is one of the two legal values, and encoding LED1's lamps gives
// a code that lights exactly those lamps again.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "seg7demo/decoding.h"
#include "tests/fuzz/check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto split = input.find('\n');
  const ByteText p0(input.substr(0, split));
  const ByteText p2(split == std::string_view::npos ? "" : input.substr(split + 1));
  for (const LampColor colour : DecodeDisplay(p0, p2)) {
    Check(colour == kLampLit || colour == kLampUnlit, "lamps are lit or unlit, nothing else");
  }

  std::array<LampColor, kSegmentsPerDigit> colours{};
  for (std::size_t i = 0; i < colours.size() && i < size; ++i) {
    // Mostly the two lamp colours, sometimes a stray value.
    colours[i] = data[i] % 3 == 0 ? kLampLit : data[i] % 3 == 1 ? kLampUnlit : data[i];
  }
  const ByteText code = EncodeFirstDigit(colours);
  const DisplayColours shown = DecodeDisplay(code, "BF");
  for (std::size_t i = 0; i < colours.size(); ++i) {
    Check((shown[i] == kLampLit) == (colours[i] == kLampLit), "the encoded code lights the same lamps");
  }
  return 0;
}

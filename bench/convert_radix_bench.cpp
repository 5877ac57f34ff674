// How long the shared conversion takes on what a user can type or paste:
// 8-bit port codes, 64-bit values, and million-character pastes, valid and
// not. Each short case has a floor: std::to_chars writing the same value in
// the same base, the least any conversion must do.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <string>

#include "radixcore/convert_radix.h"

namespace {

// The input is copied back into the same string every time, as a caller
// copies a field's text; its buffer is reused, so no allocation of the
// benchmark's own is counted.
void ConvertShort(benchmark::State& state, const char* digits, int from, int to) {
  const ByteText input = digits;
  ByteText text;
  for (auto _ : state) {
    text.assign(input);
    benchmark::DoNotOptimize(ConvertRadix(text, from, to));
  }
}
BENCHMARK_CAPTURE(ConvertShort, byte_10_to_16, "255", 10, 16);
BENCHMARK_CAPTURE(ConvertShort, port_code_16_to_2, "BF", 16, 2);
BENCHMARK_CAPTURE(ConvertShort, byte_2_to_10, "10101010", 2, 10);
BENCHMARK_CAPTURE(ConvertShort, uint64_10_to_16, "18446744073709551615", 10, 16);
BENCHMARK_CAPTURE(ConvertShort, uint64_16_to_2, "FFFFFFFFFFFFFFFF", 16, 2);

void ToCharsFloor(benchmark::State& state, std::uint64_t value, int base) {
  char buffer[80];
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(std::to_chars(buffer, buffer + sizeof buffer, value, base).ptr);
    benchmark::ClobberMemory();
  }
}
BENCHMARK_CAPTURE(ToCharsFloor, byte_10_to_16, 255u, 16);
BENCHMARK_CAPTURE(ToCharsFloor, port_code_16_to_2, 0xBFu, 2);
BENCHMARK_CAPTURE(ToCharsFloor, byte_2_to_10, 170u, 10);
BENCHMARK_CAPTURE(ToCharsFloor, uint64_10_to_16, 18446744073709551615u, 16);
BENCHMARK_CAPTURE(ToCharsFloor, uint64_16_to_2, 18446744073709551615u, 2);

// A million characters: `first`, then `fill`, then `last`.
void ConvertMillion(benchmark::State& state, char first, char fill, char last, int from, int to) {
  const ByteText input = first + std::string(999998, fill) + last;
  ByteText text;
  for (auto _ : state) {
    text.assign(input);
    benchmark::DoNotOptimize(ConvertRadix(text, from, to));
  }
}
BENCHMARK_CAPTURE(ConvertMillion, decimal_to_binary, '9', '9', '9', 10, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConvertMillion, hex_to_decimal, 'F', 'F', 'F', 16, 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConvertMillion, binary_to_decimal, '1', '1', '1', 2, 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConvertMillion, lower_case_hex_to_binary, 'f', 'f', 'f', 16, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConvertMillion, invalid_last_digit, '1', '1', '2', 2, 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConvertMillion, invalid_first_digit, '2', '1', '1', 2, 10)->Unit(benchmark::kMillisecond);

}  // namespace

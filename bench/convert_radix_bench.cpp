// How long the shared conversion takes on what a user can type or paste:
// short port codes, 64-bit values, and million-character pastes, valid and
// not. std::to_chars on a 64-bit value is the floor for the short ones.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <string>

#include "radixcore/convert_radix.h"

namespace {

void ConvertShort(benchmark::State& state, const char* digits, int from, int to) {
  for (auto _ : state) {
    ByteText text = digits;
    benchmark::DoNotOptimize(ConvertRadix(text, from, to));
  }
}
BENCHMARK_CAPTURE(ConvertShort, port_code_16_to_2, "BF", 16, 2);
BENCHMARK_CAPTURE(ConvertShort, byte_10_to_16, "255", 10, 16);
BENCHMARK_CAPTURE(ConvertShort, uint64_10_to_16, "18446744073709551615", 10, 16);

void ToCharsFloor(benchmark::State& state) {
  std::uint64_t value = 18446744073709551615u;
  char buffer[80];
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(std::to_chars(buffer, buffer + sizeof buffer, value, 16).ptr);
  }
}
BENCHMARK(ToCharsFloor);

void ConvertMillion(benchmark::State& state, char digit, char lastDigit, int from, int to) {
  const ByteText input = std::string(999999, digit) + lastDigit;
  for (auto _ : state) {
    ByteText text = input;
    benchmark::DoNotOptimize(ConvertRadix(text, from, to));
  }
}
BENCHMARK_CAPTURE(ConvertMillion, decimal_to_binary, '9', '9', 10, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConvertMillion, hex_to_decimal, 'F', 'F', 16, 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConvertMillion, binary_to_decimal, '1', '1', 2, 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConvertMillion, invalid_last_digit, '1', '2', 2, 10)->Unit(benchmark::kMillisecond);

}  // namespace

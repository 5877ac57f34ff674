// How long one listing takes: its 256 lines and captions alone, and the whole
// click with the window's output box and caption updated for every line.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "baudfind/baud_table.h"
#include "baudfind/baud_window.h"
#include "radixcore/text.h"
#include "toolkit/toolkit.h"

namespace {

void BM_TableLines(benchmark::State& state) {
  const ByteText crystalText = "12000000";
  const int factor = DivisorFactor(state.range(0) != 0);
  for (auto _ : state) {
    const std::int32_t crystal = TextToInt(crystalText);
    std::size_t bytes = 0;
    for (int reload = kHighestReload; reload >= 0; --reload) {
      const ByteText line = BaudLine(crystalText, reload, BaudRate(crystal, reload, factor));
      const ByteText caption = ProgressCaption(reload, ProgressPercentage(reload));
      bytes += line.size() + caption.size();
    }
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_TableLines)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One click's handler on the open window, offscreen.
void BM_ListBaudRatesClick(benchmark::State& state) {
  for (auto _ : state) ListBaudRates();
}
BENCHMARK(BM_ListBaudRatesClick)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  benchmark::Initialize(&argc, argv);
  tk::Initialise(argc, argv);
  OpenBaudFindWindow();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

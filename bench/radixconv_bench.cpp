// radixconv's keystroke, offscreen: a key released in 输入10, from the
// event to both other fields, the padding, the eight lamps and the selection
// written. Three digits is the longest path: the field selects its whole
// text after them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <chrono>
#include <cstdlib>

#include "radixconv/converter_window.h"
#include "radixconv/names.h"
#include "toolkit/testing.h"
#include "toolkit/toolkit.h"

namespace {

using Clock = std::chrono::steady_clock;

// Two numbers with different bits, so that the lamps change every time.
void BM_DecimalKeyRelease(benchmark::State& state) {
  QWidget* field = tk::testing::Widget(radixconv::DecimalField());
  const ByteText numbers[] = {"255", "170"};
  int turn = 0;
  for (auto _ : state) {
    tk::SetText(radixconv::DecimalField(), numbers[turn++ % 2]);
    const Clock::time_point start = Clock::now();
    QTest::keyRelease(field, Qt::Key_5);
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    QApplication::processEvents();  // the repaint the user sees comes after
  }
}
BENCHMARK(BM_DecimalKeyRelease)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  benchmark::Initialize(&argc, argv);
  tk::Initialise(argc, argv);
  radixconv::OpenConverterWindow();
  if (!QTest::qWaitForWindowExposed(tk::testing::Window())) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  tk::testing::CloseWindow();
  return 0;
}

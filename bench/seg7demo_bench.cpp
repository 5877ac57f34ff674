// seg7demo's figures a user feels, offscreen: a key released in 段码 with
// every digit powered, handler and all 32 lamps included; and ten seconds
// of the dynamic scan at its fastest period, 10 ms, counting the ticks that
// arrive and the processor time the program uses for them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>

#include "seg7demo/display_window.h"
#include "seg7demo/names.h"
#include "toolkit/testing.h"
#include "toolkit/toolkit.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

double ProcessCpuSeconds() {
  timespec used{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
  return static_cast<double>(used.tv_sec) + static_cast<double>(used.tv_nsec) / 1e9;
}

// Two codes that light different segments, so that every release repaints
// lamps rather than finding them as they were.
void BM_SegmentCodeKeyRelease(benchmark::State& state) {
  tk::SetText(seg7demo::SelectCodeBox(), "00");
  QWidget* field = tk::testing::Widget(seg7demo::SegmentCodeBox());
  const ByteText codes[] = {"28", "EE"};
  int turn = 0;
  for (auto _ : state) {
    tk::SetText(seg7demo::SegmentCodeBox(), codes[turn++ % 2]);
    const Clock::time_point start = Clock::now();
    QTest::keyRelease(field, Qt::Key_8);
    state.SetIterationTime(Seconds(Clock::now() - start));
    QApplication::processEvents();  // the repaint the user sees comes after
  }
}
BENCHMARK(BM_SegmentCodeKeyRelease)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Counts the ticks the timer delivers and the longest wait between two.
class TickCounter : public QObject {
 public:
  int ticks = 0;
  Clock::duration longestGap{};

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Timer) return false;
    const Clock::time_point now = Clock::now();
    if (ticks++ > 0) longestGap = std::max(longestGap, now - last_);
    last_ = now;
    return false;
  }

 private:
  Clock::time_point last_;
};

// A release of the left button on the slider's thumb at `position`, as the
// user lets go of it there.
void ReleaseSliderAt(int position) { tk::testing::ReleaseSliderAt(seg7demo::SpeedSlider(), position); }

constexpr int kScanSeconds = 10;

// The event loop as the program runs it. (QTest::qWait would sleep between
// rounds of events and make the timer late.)
void RunEventLoopFor(int seconds) {
  QEventLoop loop;
  QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}
constexpr int kFastestPeriodMs = 10;

// Runs the event loop for the scan's span while counting a running 10 ms
// timer's ticks, and reports them with the processor time the process used.
void CountTicksFor(benchmark::State& state, QTimer& timer) {
  TickCounter counter;
  timer.installEventFilter(&counter);
  const double cpuBefore = ProcessCpuSeconds();
  const Clock::time_point start = Clock::now();
  RunEventLoopFor(kScanSeconds);
  const double wall = Seconds(Clock::now() - start);
  const double cpu = ProcessCpuSeconds() - cpuBefore;
  timer.removeEventFilter(&counter);

  state.SetIterationTime(wall);
  const double expected = wall * 1000.0 / kFastestPeriodMs;
  state.counters["ticks"] = counter.ticks;
  state.counters["ticks_percent"] = 100.0 * counter.ticks / expected;
  state.counters["cpu_percent"] = 100.0 * cpu / wall;
  state.counters["longest_gap_ms"] = Seconds(counter.longestGap) * 1e3;
}

void BM_DynamicScanAt10ms(benchmark::State& state) {
  auto* timer = tk::testing::Window()->findChild<QTimer*>(tk::testing::ToQString(seg7demo::DynamicScanTimer()));
  if (timer == nullptr) {
    state.SkipWithError("the dynamic scan has no timer");
    return;
  }
  QWidget* button = tk::testing::Widget(seg7demo::DynamicScanButton());
  for (auto _ : state) {
    QTest::mouseClick(button, Qt::LeftButton);
    ReleaseSliderAt(100);
    if (tk::GetTimerPeriod(seg7demo::DynamicScanTimer()) != kFastestPeriodMs) {
      state.SkipWithError("the slider did not set the 10 ms period");
      break;
    }
    CountTicksFor(state, *timer);
    QTest::mouseClick(button, Qt::LeftButton);  // stops the scan
  }
}
BENCHMARK(BM_DynamicScanAt10ms)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

// The floor: a bare Qt timer of the same kind and period in the same
// process and event loop, doing nothing on its ticks. What it misses, the
// machine took away.
void BM_BareTimerAt10ms(benchmark::State& state) {
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  for (auto _ : state) {
    timer.start(kFastestPeriodMs);
    CountTicksFor(state, timer);
    timer.stop();
  }
}
BENCHMARK(BM_BareTimerAt10ms)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  benchmark::Initialize(&argc, argv);
  tk::Initialise(argc, argv);
  seg7demo::StartDisplayDemo();
  if (!QTest::qWaitForWindowExposed(tk::testing::Window())) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  tk::testing::CloseWindow();
  return 0;
}

// How long one listing takes, offscreen: one click of 按钮1 until the output
// box holds all 256 lines (the box takes the handler's lines in one go once
// the handler returns, and that counts too). Two floors beside it: the 256
// lines and captions computed alone, and a bare Qt loop doing what the
// listing asks of the widgets, appending each line at the end of a
// QPlainTextEdit with the caret shown and setting the window title after it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>
#include <cstdlib>
#include <vector>

#include "baudfind/baud_table.h"
#include "baudfind/baud_window.h"
#include "baudfind/layout.h"
#include "radixcore/text.h"
#include "toolkit/testing.h"
#include "toolkit/toolkit.h"

namespace {

constexpr int kListedLines = kHighestReload + 1;

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

// The click on the open window, up to the last line in the box.
void BM_ListingClick(benchmark::State& state) {
  QWidget* button = tk::testing::Widget(ListButtonName());
  // Taken once: reading the box through the toolkit would hand it the lines
  // early.
  auto* box = static_cast<QPlainTextEdit*>(tk::testing::Widget(OutputBoxName()));
  for (auto _ : state) {
    QTest::mouseClick(button, Qt::LeftButton);
    while (box->document()->blockCount() <= kListedLines) QApplication::processEvents();
  }
}
BENCHMARK(BM_ListingClick)->Unit(benchmark::kMillisecond);

// The same widgets driven by hand: a window of the listing's size, an output
// box of the same place and settings, the same lines and captions.
void BM_BareQtListing(benchmark::State& state) {
  std::vector<QString> lines;
  std::vector<QString> captions;
  const std::int32_t crystal = TextToInt("12000000");
  for (int reload = kHighestReload; reload >= 0; --reload) {
    const ByteText line = BaudLine("12000000", reload, BaudRate(crystal, reload, DivisorFactor(false)));
    lines.push_back(tk::testing::ToQString(line.substr(0, line.size() - 2)) + QLatin1Char('\n'));
    captions.push_back(tk::testing::ToQString(ProgressCaption(reload, ProgressPercentage(reload))));
  }
  QWidget window;
  window.setFixedSize(473, 232);
  QPlainTextEdit box(&window);
  box.setGeometry(0, 35, 472, 197);
  box.setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) {
    state.SkipWithError("the floor window was not shown");
    return;
  }
  for (auto _ : state) {
    box.clear();
    for (std::size_t n = 0; n < lines.size(); ++n) {
      box.moveCursor(QTextCursor::End);
      box.insertPlainText(lines[n]);
      box.ensureCursorVisible();
      window.setWindowTitle(captions[n]);
    }
    QApplication::processEvents();
  }
}
BENCHMARK(BM_BareQtListing)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  benchmark::Initialize(&argc, argv);
  tk::Initialise(argc, argv);
  OpenBaudFindWindow();
  if (!QTest::qWaitForWindowExposed(tk::testing::Window())) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  tk::testing::CloseWindow();
  return 0;
}

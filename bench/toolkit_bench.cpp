// How long the toolkit's text operations take where programs lean on them:
// a table appended line by line with a progress caption, and an edit box
// holding a million pasted characters.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "toolkit/testing.h"
#include "toolkit/toolkit.h"

namespace {

const ByteText& Notes() { static const ByteText name = "找到的波特率"_gbk; return name; }
const ByteText& Field() { static const ByteText name = "输入10"_gbk; return name; }

void LoadBenchWindow() {
  tk::WindowLayout layout;
  layout.caption = "寻找波特率"_gbk;
  layout.outerWidth = 479;
  layout.outerHeight = 258;
  tk::Control field;
  field.kind = tk::Kind::EditBox;
  field.name = Field();
  field.width = 128;
  field.height = 33;
  field.inputMode = tk::InputMode::Integer;
  layout.controls.push_back(field);
  tk::Control notes;
  notes.kind = tk::Kind::EditBox;
  notes.name = Notes();
  notes.y = 35;
  notes.width = 472;
  notes.height = 197;
  notes.multiLine = true;
  layout.controls.push_back(notes);
  tk::LoadWindow(layout, {});
  QApplication::processEvents();
}

// One click of the baud-rate list: 256 lines of about 60 bytes, each
// followed by a caption write.
void BM_AppendTableWithCaption(benchmark::State& state) {
  LoadBenchWindow();
  const ByteText line = "晶振频率:12000000Hz\t定时器值:255[FF]\t波特率=10416.7bps.\r\n"_gbk;
  const ByteText caption = "正在定时器值为0上查找，已完成任务的100%。"_gbk;
  for (auto _ : state) {
    tk::SetText(Notes(), "");
    for (int n = 255; n >= 0; --n) {
      tk::AppendText(Notes(), line);
      tk::SetText(tk::kWindow, caption);
    }
    // What the box catches up on once the handler returns counts too.
    QApplication::processEvents();
  }
  tk::testing::CloseWindow();
}
BENCHMARK(BM_AppendTableWithCaption)->Unit(benchmark::kMillisecond);

void BM_AppendOnly(benchmark::State& state) {
  LoadBenchWindow();
  const ByteText line = "晶振频率:12000000Hz\t定时器值:255[FF]\t波特率=10416.7bps.\r\n"_gbk;
  for (auto _ : state) {
    tk::SetText(Notes(), "");
    for (int n = 255; n >= 0; --n) tk::AppendText(Notes(), line);
    QApplication::processEvents();
  }
  tk::testing::CloseWindow();
}
BENCHMARK(BM_AppendOnly)->Unit(benchmark::kMillisecond);

void BM_CaptionOnly(benchmark::State& state) {
  LoadBenchWindow();
  const ByteText caption = "正在定时器值为0上查找，已完成任务的100%。"_gbk;
  for (auto _ : state) {
    for (int n = 255; n >= 0; --n) tk::SetText(tk::kWindow, caption);
  }
  tk::testing::CloseWindow();
}
BENCHMARK(BM_CaptionOnly)->Unit(benchmark::kMillisecond);

// A million characters pasted into a field, then read and fully selected
// as a key-release handler would.
void BM_MillionCharacterField(benchmark::State& state) {
  LoadBenchWindow();
  QWidget* field = tk::testing::Widget(Field());
  QApplication::clipboard()->setText(QString(1'000'000, QLatin1Char('9')));
  for (auto _ : state) {
    tk::SetText(Field(), "");
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    const ByteText text = tk::GetText(Field());
    tk::SetSelectionStart(Field(), 0);
    tk::SetSelectionLength(Field(), static_cast<int>(text.size()));
    benchmark::DoNotOptimize(text.data());
    QApplication::processEvents();
  }
  tk::testing::CloseWindow();
}
BENCHMARK(BM_MillionCharacterField)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  benchmark::Initialize(&argc, argv);
  tk::Initialise(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

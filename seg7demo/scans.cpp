#include "seg7demo/scans.h"

#include "seg7demo/display_window.h"
#include "seg7demo/names.h"
#include "seg7demo/scan_steps.h"

namespace seg7demo {

std::int32_t SingleScanIndex = 0;
std::int32_t DynamicScanState = 0;

namespace {

const ByteText& DigitCode(int entry) { return DigitCodes[static_cast<std::size_t>(entry - 1)]; }

bool IsRunning(const ByteText& timer) { return tk::GetTimerPeriod(timer) != 0; }

void ToggleSingleScan() {
  SingleScanIndex = 1;
  if (IsRunning(SingleScanTimer())) {
    tk::SetTimerPeriod(SingleScanTimer(), 0);
    tk::SetText(SelectCodeBox(), "FF");
    RefreshDisplay();
  } else {
    // LED1 is powered at once but shows nothing new until the first tick.
    tk::SetTimerPeriod(SingleScanTimer(), kScanStartPeriod);
    tk::SetText(SelectCodeBox(), "BF");
  }
}

void SingleScanTick() {
  // Only a tick before the first start could find the index out of range.
  if (SingleScanIndex < 1 || SingleScanIndex > kSingleScanLength) SingleScanIndex = 1;
  tk::SetText(SegmentCodeBox(), DigitCode(SingleScanIndex));
  SingleScanIndex = NextSingleScanIndex(SingleScanIndex);
  RefreshDisplay();
}

void ToggleDynamicScan() {
  DynamicScanState = 1;
  if (!IsRunning(DynamicScanTimer())) {
    // Always starts slow, whatever the slider shows, so each step can be read.
    tk::SetTimerPeriod(DynamicScanTimer(), kScanStartPeriod);
  } else {
    tk::SetTimerPeriod(DynamicScanTimer(), 0);
    tk::SetText(SelectCodeBox(), "FF");
    RefreshDisplay();
  }
}

void DynamicScanTick() {
  const DynamicScanStep step = DynamicScanStepFor(DynamicScanState);
  tk::SetText(SegmentCodeBox(), DigitCode(step.codeEntry));
  tk::SetText(SelectCodeBox(), step.selectCode);
  DynamicScanState = step.nextState;
  RefreshDisplay();
}

// The slider sets the speed of a running dynamic scan only; while it is
// stopped the position is not remembered.
void ApplySliderToDynamicScan() {
  if (!IsRunning(DynamicScanTimer())) return;
  tk::SetTimerPeriod(DynamicScanTimer(), DynamicScanPeriod(tk::GetSliderPosition(SpeedSlider())));
}

}  // namespace

void ResetScanCounters() {
  SingleScanIndex = 0;
  DynamicScanState = 0;
}

std::vector<tk::Binding> ScanBindings() {
  return {
      tk::On(SingleScanButton(), tk::EventKind::Clicked, ToggleSingleScan),
      tk::On(SingleScanTimer(), tk::EventKind::Tick, SingleScanTick),
      tk::On(DynamicScanButton(), tk::EventKind::Clicked, ToggleDynamicScan),
      tk::On(DynamicScanTimer(), tk::EventKind::Tick, DynamicScanTick),
      tk::On(SpeedSlider(), tk::EventKind::LeftButtonReleased, ApplySliderToDynamicScan),
  };
}

}  // namespace seg7demo

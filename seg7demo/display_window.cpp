#include "seg7demo/display_window.h"

#include <array>

#include "seg7demo/decoding.h"
#include "seg7demo/layout.h"
#include "seg7demo/names.h"
#include "seg7demo/scans.h"

namespace seg7demo {

std::vector<ByteText> DigitCodes;

namespace {

const ByteText& FirstDigitLamp(int segment) { return LampNames()[static_cast<std::size_t>(segment)]; }

void OnWindowCreated() {
  tk::SetVisualStyle(2);
  DigitCodes = std::vector<ByteText>(DigitFont().begin(), DigitFont().end());
}

void ReleaseDigitCodes() {
  DigitCodes.clear();
  DigitCodes.shrink_to_fit();
}

std::vector<tk::Binding> DisplayBindings() {
  std::vector<tk::Binding> bindings = {
      tk::On(tk::kWindow, tk::EventKind::Created, OnWindowCreated),
      tk::On(tk::kWindow, tk::EventKind::DoubleClick, ToggleWindowHeight),
      tk::On(SchematicBox(), tk::EventKind::DoubleClick, ToggleWindowHeight),
      tk::On(SegmentCodeBox(), tk::EventKind::KeyReleased, RefreshDisplay),
      tk::On(SelectCodeBox(), tk::EventKind::KeyReleased, RefreshDisplay),
  };
  // Only LED1 can be clicked: the other digits show what the ports say.
  for (int segment = 0; segment < kSegmentsPerDigit; ++segment) {
    const ByteText& lamp = FirstDigitLamp(segment);
    bindings.push_back(tk::On(lamp, tk::EventKind::LeftButtonReleased, [&lamp] { ToggleSegment(lamp); }));
  }
  return bindings;
}

}  // namespace

void RefreshDisplay() {
  const DisplayColours colours = DecodeDisplay(tk::GetText(SegmentCodeBox()), tk::GetText(SelectCodeBox()));
  for (std::size_t lamp = 0; lamp < colours.size(); ++lamp) tk::SetFillColor(LampNames()[lamp], colours[lamp]);
}

void ToggleSegment(const ByteText& lamp) {
  tk::SetFillColor(lamp, ToggleLampColor(tk::GetFillColor(lamp)));
  std::array<LampColor, kSegmentsPerDigit> colours;
  for (int segment = 0; segment < kSegmentsPerDigit; ++segment) {
    colours[static_cast<std::size_t>(segment)] = tk::GetFillColor(FirstDigitLamp(segment));
  }
  tk::SetText(SegmentCodeBox(), EncodeFirstDigit(colours));
}

void ToggleWindowHeight() {
  const int height = tk::GetWindowHeight();
  if (height == kTallWindowHeight) {
    tk::SetWindowHeight(kShortWindowHeight);
  } else if (height == kShortWindowHeight) {
    tk::SetWindowHeight(kTallWindowHeight);
  }
}

void StartDisplayDemo() {
  DigitCodes = {ByteText()};
  ResetScanCounters();
  tk::RegisterExitRoutine(ReleaseDigitCodes);
  std::vector<tk::Binding> bindings = DisplayBindings();
  for (tk::Binding& binding : ScanBindings()) bindings.push_back(std::move(binding));
  tk::LoadWindow(DisplayWindowLayout(), std::move(bindings));
}

}  // namespace seg7demo

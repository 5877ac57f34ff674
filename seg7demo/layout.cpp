#include "seg7demo/layout.h"

#include <memory>
#include <string>

#include "seg7demo/decoding.h"
#include "seg7demo/names.h"
#include "seg7demo/schematic.h"

namespace seg7demo {

namespace {

constexpr tk::Color kLabelBlue = 0x00FF0000u;  // 0x00BBGGRR

struct LampPlace {
  int x, y, width, height;
  tk::ShapeKind shape;
};

// Where each segment of LED1 sits, in lamp order A, B, C, D, E, F, G, DP;
// the other digits are the same shifted right by 48 px per digit.
constexpr LampPlace kFirstDigitLamps[kSegmentsPerDigit] = {
    {269, 11, 30, 8, tk::ShapeKind::Ellipse},  // A: top bar
    {295, 16, 8, 30, tk::ShapeKind::Ellipse},  // B: upper right
    {295, 48, 8, 30, tk::ShapeKind::Ellipse},  // C: lower right
    {269, 75, 30, 8, tk::ShapeKind::Ellipse},  // D: bottom bar
    {264, 48, 8, 30, tk::ShapeKind::Ellipse},  // E: lower left
    {264, 16, 8, 30, tk::ShapeKind::Ellipse},  // F: upper left
    {269, 43, 30, 8, tk::ShapeKind::Ellipse},  // G: middle bar
    {304, 72, 8, 8, tk::ShapeKind::Circle},    // DP: decimal point
};
constexpr int kDigitSpacing = 48;


tk::Font BigSongFont() { return {"宋体"_gbk, 29, true}; }

tk::Control PortLabel(const ByteText& name, int y, const ByteText& text) {
  tk::Control label = tk::Placed(tk::Kind::Label, name, 8, y, 48, 24);
  label.text = text;
  label.font = BigSongFont();
  return label;
}

tk::Control PortCodeBox(const ByteText& name, int y) {
  tk::Control box = tk::Placed(tk::Kind::EditBox, name, 56, y, 64, 32);
  box.text = "FF";
  box.font = BigSongFont();
  box.backColor = tk::kWhite;
  box.alignment = tk::Alignment::Centre;
  return box;
}

tk::Control ScanButton(const ByteText& name, int y, const ByteText& caption) {
  tk::Control button = tk::Placed(tk::Kind::Button, name, 128, y, 96, 32);
  button.text = caption;
  return button;
}

tk::Control SpeedSliderControl() {
  tk::Control slider = tk::Placed(tk::Kind::Slider, SpeedSlider(), 0, 88, 232, 32);
  slider.minimum = 1;
  slider.maximum = 100;
  slider.position = 50;
  slider.tickInterval = 10;
  slider.pageStep = 5;
  slider.lineStep = 1;
  return slider;
}

tk::Control ScanTimer(const ByteText& name, int x) {
  tk::Control timer = tk::Placed(tk::Kind::Timer, name, x, 8, 26, 26);
  timer.period = 0;
  return timer;
}

tk::Control DigitLabel(const ByteText& name, int digit) {
  tk::Control label = tk::Placed(tk::Kind::Label, name, 269 + kDigitSpacing * (digit - 1), 85, 36, 16);
  label.text = "LED" + std::to_string(digit);
  label.font = {"宋体"_gbk, 16, true};
  label.textColor = kLabelBlue;
  return label;
}

tk::Control SchematicPicture() {
  tk::Control box = tk::Placed(tk::Kind::PictureBox, SchematicBox(), 0, 128, 495, 195);
  box.picture = std::make_shared<const tk::Picture>(Schematic());
  return box;
}

tk::Control SegmentLamp(int digit, int segment) {
  const LampPlace& place = kFirstDigitLamps[segment];
  const ByteText& name = LampNames()[static_cast<std::size_t>((digit - 1) * kSegmentsPerDigit + segment)];
  tk::Control lamp = tk::Placed(tk::Kind::ShapeBox, name, place.x + kDigitSpacing * (digit - 1), place.y,
                           place.width, place.height);
  lamp.shape = place.shape;
  lamp.fill = kLampUnlit;
  return lamp;
}

tk::WindowLayout BuildLayout() {
  tk::WindowLayout layout;
  layout.caption = "Velbrisk-数码管显示驱动演示"_gbk;
  layout.outerWidth = 500;
  layout.outerHeight = 350;
  layout.controls = {
      PortCodeBox(SegmentCodeBox(), 8),
      PortLabel("标签1"_gbk, 13, "P0="),
      PortLabel("标签2"_gbk, 53, "P2="),
      PortCodeBox(SelectCodeBox(), 48),
      ScanButton(SingleScanButton(), 8, "单字扫描"_gbk),
      ScanButton(DynamicScanButton(), 48, "动态扫描"_gbk),
      SpeedSliderControl(),
      ScanTimer(SingleScanTimer(), 312),
      ScanTimer(DynamicScanTimer(), 344),
      DigitLabel("标签3"_gbk, 1),
      DigitLabel("标签4"_gbk, 2),
      DigitLabel("标签5"_gbk, 3),
      DigitLabel("标签6"_gbk, 4),
      SchematicPicture(),
  };
  for (int digit = 1; digit <= kDigitCount; ++digit) {
    for (int segment = 0; segment < kSegmentsPerDigit; ++segment) {
      layout.controls.push_back(SegmentLamp(digit, segment));
    }
  }
  return layout;
}

}  // namespace

const tk::WindowLayout& DisplayWindowLayout() {
  static const tk::WindowLayout layout = BuildLayout();
  return layout;
}

}  // namespace seg7demo

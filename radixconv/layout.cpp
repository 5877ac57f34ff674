#include "radixconv/layout.h"

#include <string>

#include "radixconv/fields.h"
#include "radixconv/names.h"

namespace radixconv {

namespace {

constexpr tk::Color kLabelBlue = 0xFF0000u;  // 0x00BBGGRR

tk::Control NumberField(const ByteText& name, int top, const ByteText& text, tk::InputMode mode) {
  tk::Control field = tk::Placed(tk::Kind::EditBox, name, 48, top, 128, 33, text);
  field.font = {"宋体"_gbk, 29, false};
  field.textColor = tk::kBlack;
  field.backColor = tk::kWhite;
  field.alignment = tk::Alignment::Centre;
  field.inputMode = mode;
  return field;
}

tk::Control FieldLabel(const ByteText& name, int left, int top, int width, const ByteText& text) {
  tk::Control label = tk::Placed(tk::Kind::Label, name, left, top, width, 24, text);
  label.font = {"宋体"_gbk, 19, false};
  return label;
}

tk::Control BitLampBox(int number) {
  tk::Control lamp = tk::Placed(tk::Kind::ShapeBox, BitLamp(number), 184, 8 + 16 * (number - 1), 8, 8);
  lamp.shape = tk::ShapeKind::Rectangle;
  lamp.fill = tk::kDefaultColor;  // only the outline until the first conversion
  return lamp;
}

tk::Control BitLampLabel(int number) {
  const ByteText caption = ByteText("D").append(std::to_string(number - 1));
  tk::Control label = tk::Placed(tk::Kind::Label, BitLabel(number), 197, 6 + 16 * (number - 1), 14, 12, caption);
  label.font = {"宋体"_gbk, 12, true};
  label.textColor = kLabelBlue;
  return label;
}

tk::WindowLayout BuildLayout() {
  tk::WindowLayout layout;
  layout.caption = "进制转换"_gbk;
  layout.outerWidth = 223;
  layout.outerHeight = 163;
  layout.controls = {
      NumberField(DecimalField(), 8, "10", tk::InputMode::Integer),
      NumberField(HexField(), 53, "16", tk::InputMode::Normal),
      NumberField(BinaryField(), 96, "10101010", tk::InputMode::IntegerText),
      FieldLabel("标签9"_gbk, 19, 14, 26, "十:"_gbk),
      FieldLabel("标签10"_gbk, 0, 58, 48, "十六:"_gbk),
      FieldLabel("标签11"_gbk, 19, 102, 26, "二:"_gbk),
  };
  for (int number = 1; number <= kBitLampCount; ++number) layout.controls.push_back(BitLampBox(number));
  for (int number = 1; number <= kBitLampCount; ++number) layout.controls.push_back(BitLampLabel(number));
  return layout;
}

}  // namespace

const tk::WindowLayout& ConverterLayout() {
  static const tk::WindowLayout layout = BuildLayout();
  return layout;
}

}  // namespace radixconv

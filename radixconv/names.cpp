#include "radixconv/names.h"

#include <array>
#include <string>

namespace radixconv {

namespace {

constexpr int kBitCount = 8;

// Names 1 to 8 of a numbered family of controls, index 0 holding number 1.
std::array<ByteText, kBitCount> NumberedNames(const ByteText& stem) {
  std::array<ByteText, kBitCount> names;
  for (int number = 1; number <= kBitCount; ++number) {
    names[static_cast<std::size_t>(number - 1)] = stem + std::to_string(number);
  }
  return names;
}

}  // namespace

const ByteText& DecimalField() {
  static const ByteText name = "输入10"_gbk;
  return name;
}

const ByteText& HexField() {
  static const ByteText name = "输入16"_gbk;
  return name;
}

const ByteText& BinaryField() {
  static const ByteText name = "输入2"_gbk;
  return name;
}

const ByteText& BitLamp(int number) {
  static const std::array<ByteText, kBitCount> names = NumberedNames("外形框"_gbk);
  return names.at(static_cast<std::size_t>(number - 1));
}

const ByteText& BitLabel(int number) {
  static const std::array<ByteText, kBitCount> names = NumberedNames("标签"_gbk);
  return names.at(static_cast<std::size_t>(number - 1));
}

const ByteText& DecimalPrompt() {
  static const ByteText prompt = "请输入十进制数"_gbk;
  return prompt;
}

const ByteText& HexPrompt() {
  static const ByteText prompt = "请输入十六进制数"_gbk;
  return prompt;
}

const ByteText& BinaryPrompt() {
  static const ByteText prompt = "请输入二进制数"_gbk;
  return prompt;
}

}  // namespace radixconv

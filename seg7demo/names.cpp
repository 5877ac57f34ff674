#include "seg7demo/names.h"

namespace seg7demo {

const ByteText& SegmentCodeBox() {
  static const ByteText name = "段码"_gbk;
  return name;
}

const ByteText& SelectCodeBox() {
  static const ByteText name = "位码"_gbk;
  return name;
}

const ByteText& SingleScanButton() {
  static const ByteText name = "按钮3"_gbk;
  return name;
}

const ByteText& DynamicScanButton() {
  static const ByteText name = "按钮1"_gbk;
  return name;
}

const ByteText& SpeedSlider() {
  static const ByteText name = "滑块条1"_gbk;
  return name;
}

const ByteText& SingleScanTimer() {
  static const ByteText name = "单字扫描时钟"_gbk;
  return name;
}

const ByteText& DynamicScanTimer() {
  static const ByteText name = "动态扫描时钟"_gbk;
  return name;
}

const ByteText& SchematicBox() {
  static const ByteText name = "图片框1"_gbk;
  return name;
}

}  // namespace seg7demo

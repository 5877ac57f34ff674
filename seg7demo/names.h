#pragma once
// The names the display window gives the controls its handlers reach. They
// are GBK texts made at run time, so each is built once, on first use, and
// the timer handlers that run every few milliseconds pay nothing for them.
// The lamps have ASCII names (A1 … DP4) and come from LampNames().

#include "radixcore/bytetext.h"

namespace seg7demo {

const ByteText& SegmentCodeBox();     // 段码: port P0
const ByteText& SelectCodeBox();      // 位码: port P2
const ByteText& SingleScanButton();   // 按钮3
const ByteText& DynamicScanButton();  // 按钮1
const ByteText& SpeedSlider();        // 滑块条1
const ByteText& SingleScanTimer();    // 单字扫描时钟
const ByteText& DynamicScanTimer();   // 动态扫描时钟
const ByteText& SchematicBox();       // 图片框1

}  // namespace seg7demo

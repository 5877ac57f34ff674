#include "baudfind/baud_table.h"

#include "radixcore/convert_radix.h"
#include "radixcore/text.h"

namespace {

constexpr int kTabCode = 9;

}  // namespace

int DivisorFactor(bool doubling) { return doubling ? kFactorDoubled : kFactorPlain; }

float BaudRate(std::int32_t crystal, int reload, int factor) {
  // Every step is a separate double so the rounding matches the table the
  // learners compare against; only the final value drops to single precision.
  const double timerSteps = static_cast<double>(kTimerRange - reload);
  const double divisor = timerSteps * factor;
  const double rate = static_cast<double>(crystal) / divisor;
  return static_cast<float>(rate);
}

ByteText BaudLine(const ByteText& crystalText, int reload, float baud) {
  // The table is written 256 times per click: convert the literals once.
  static const ByteText kCrystalLabel = "晶振频率:"_gbk;
  static const ByteText kReloadLabel = "定时器值:"_gbk;
  static const ByteText kBaudLabel = "波特率="_gbk;
  static const ByteText kTab = CharFromCode(kTabCode);

  const ByteText reloadDigits = IntToText(reload);
  ByteText scratch = reloadDigits;  // ConvertRadix rewrites its argument
  const ByteText reloadHex = ConvertRadix(scratch, 10, 16);

  ByteText line;
  line.reserve(96 + crystalText.size());
  line += kCrystalLabel;
  line += crystalText;
  line += "Hz";
  line += kTab;
  line += kReloadLabel;
  line += reloadDigits;
  line += "[";
  line += reloadHex;
  line += "]";
  line += kTab;
  line += kBaudLabel;
  line += FloatToText(baud);
  line += "bps.\r\n";
  return line;
}

int ProgressPercentage(int reload) {
  const double covered = static_cast<double>(kTimerRange - reload) / kTimerRange;
  return DoubleToInt(covered * 100);
}

ByteText ProgressCaption(int reload, int percentage) {
  static const ByteText kBefore = "正在定时器值为"_gbk;
  static const ByteText kMiddle = "上查找，已完成任务的"_gbk;
  static const ByteText kAfter = "%。"_gbk;
  return kBefore + IntToText(reload) + kMiddle + IntToText(percentage) + kAfter;
}

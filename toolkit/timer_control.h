#pragma once
// A timer control: an invisible periodic event source whose period the
// program reads and writes.

#include <QTimer>

#include "radixcore/bytetext.h"

namespace tk::detail {

class TimerControl {
 public:
  // The timer lives as a child of parent and ticks the control's handlers.
  TimerControl(const ByteText& control, QObject* parent);

  int period() const { return period_; }
  // 0 stops and negatives count as 0; the current period changes nothing;
  // another one restarts the count, so the first tick comes one period later.
  void setPeriod(int milliseconds);
  void stop();

 private:
  QTimer* timer_;
  int period_ = 0;
};

}  // namespace tk::detail

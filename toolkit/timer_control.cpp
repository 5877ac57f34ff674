#include "toolkit/timer_control.h"

#include <algorithm>

#include "toolkit/text_boundary.h"
#include "toolkit/window_state.h"

namespace tk::detail {

TimerControl::TimerControl(const ByteText& control, QObject* parent) : timer_(new QTimer(parent)) {
  timer_->setObjectName(ToQString(control));
  timer_->setTimerType(Qt::PreciseTimer);
  // QTimer never queues missed ticks: a handler that overruns the period
  // delays the next tick instead of piling ticks up.
  QObject::connect(timer_, &QTimer::timeout, [control] { Dispatch(control, EventKind::Tick); });
}

void TimerControl::setPeriod(int milliseconds) {
  const int period = std::max(milliseconds, 0);
  if (period == period_) return;
  period_ = period;
  if (period_ == 0) {
    timer_->stop();
  } else {
    timer_->start(period_);
  }
}

void TimerControl::stop() { timer_->stop(); }

}  // namespace tk::detail

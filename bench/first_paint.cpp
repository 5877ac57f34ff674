#include "first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace {

long long MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Watches every event the application delivers. The first expose of a
// top-level window is handed to the window here and now, because Qt paints
// all the widgets into the window and flushes them to the screen while it
// handles that event: once it returns, the window has been shown and painted.
class FirstPaintWatch : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (done_ || event->type() != QEvent::Expose || !watched->isWindowType()) return false;
    auto* window = static_cast<QWindow*>(watched);
    if (!window->isExposed()) return false;
    watched->event(event);
    const long long painted = MonotonicNanoseconds();
    done_ = true;
    const QSize size = window->size();
    std::printf("painted_ns=%lld width=%d height=%d\n", painted, size.width(), size.height());
    std::fflush(stdout);
    QCoreApplication::exit(0);
    return true;
  }

 private:
  bool done_ = false;
};

}  // namespace

int RunUntilFirstPaint() {
  FirstPaintWatch watch;
  QApplication::instance()->installEventFilter(&watch);
  return QApplication::exec();
}

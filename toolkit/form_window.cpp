#include "toolkit/form_window.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>

#include "toolkit/key_codes.h"
#include "toolkit/text_boundary.h"
#include "toolkit/timer_control.h"
#include "toolkit/window_state.h"

namespace tk::detail {

FormWindow::FormWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint) {}

// Qt reads "[*]" in a title as a placeholder; doubled, it shows as written.
void FormWindow::setCaption(const ByteText& caption) {
  setWindowTitle(ToQString(caption).replace(QLatin1String("[*]"), QLatin1String("[*][*]")));
}

ByteText FormWindow::caption() const {
  return FromQString(windowTitle().replace(QLatin1String("[*][*]"), QLatin1String("[*]")));
}

bool FormWindow::focusIsOnWindow() const {
  const QWidget* focus = focusWidget();
  return focus == nullptr || focus == this;
}

bool FormWindow::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      // A key a control left unused arrives here too; it is that control's
      // key, not the window's.
      if (focusIsOnWindow()) {
        if (!Dispatch(kWindow, EventKind::KeyPressed, {0, 0, KeyCodeOf(*key), ModifierBitsOf(*key)})) {
          return true;
        }
      }
      if (key->key() == Qt::Key_Escape) {
        close();
        return true;
      }
      return QWidget::event(event);
    }
    case QEvent::KeyRelease: {
      auto* key = static_cast<QKeyEvent*>(event);
      const bool result = QWidget::event(event);
      if (focusIsOnWindow() && !key->isAutoRepeat()) {
        Dispatch(kWindow, EventKind::KeyReleased, {0, 0, KeyCodeOf(*key), ModifierBitsOf(*key)});
      }
      return result;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton) {
        const QPoint at = mouse->position().toPoint();
        const EventArgs args{at.x(), at.y(), 0, ModifierBitsOf(mouse->modifiers())};
        Dispatch(kWindow,
                 event->type() == QEvent::MouseButtonRelease ? EventKind::LeftButtonReleased : EventKind::DoubleClick,
                 args);
      }
      event->accept();
      return true;
    }
    default:
      return QWidget::event(event);
  }
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  WindowState* state = CurrentWindow();
  if (!state || state->window != this) return;
  // Nothing ticks once the window is gone: the exit routines may release
  // what the tick handlers use.
  for (auto& [name, entry] : state->controls) {
    if (entry.timer) entry.timer->stop();
  }
  if (state->runningLoop) state->runningLoop->quit();
}

}  // namespace tk::detail

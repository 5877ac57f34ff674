#pragma once
// The top-level window: fixed size, close box and system menu only, Esc
// closes it, and clicks on its free client area are the window's own.

#include <QWidget>

#include "radixcore/bytetext.h"

namespace tk::detail {

// Layouts give outer sizes; the toolkit counts a fixed notional frame
// around the client area, whatever frame a window manager really draws, so
// that the figures are the same on every desktop.
inline constexpr int kFrameLeft = 3;
inline constexpr int kFrameRight = 3;
inline constexpr int kFrameTop = 23;
inline constexpr int kFrameBottom = 3;

class FormWindow : public QWidget {
 public:
  FormWindow();

  // The caption exactly as the program wrote it.
  void setCaption(const ByteText& caption);
  ByteText caption() const;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  bool focusIsOnWindow() const;
};

}  // namespace tk::detail

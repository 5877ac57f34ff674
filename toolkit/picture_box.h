#pragma once
// A picture box: shows its picture at the picture's own size, centred
// horizontally and flush with the top.

#include <QPixmap>
#include <QWidget>

#include "toolkit/control_events.h"
#include "toolkit/toolkit.h"

namespace tk::detail {

class PictureBox : public ControlWidget<QWidget> {
 public:
  PictureBox(const ByteText& control, const Picture* picture, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap pixmap_;  // drawn once: the picture never changes
};

}  // namespace tk::detail

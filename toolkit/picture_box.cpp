#include "toolkit/picture_box.h"

#include <QPainter>

#include "toolkit/picture_render.h"

namespace tk::detail {

PictureBox::PictureBox(const ByteText& control, const Picture* picture, QWidget* parent)
    : ControlWidget<QWidget>(control, parent) {
  if (picture && picture->width > 0 && picture->height > 0) pixmap_ = QPixmap::fromImage(RenderPicture(*picture));
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (pixmap_.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap((width() - pixmap_.width()) / 2, 0, pixmap_);
}

}  // namespace tk::detail

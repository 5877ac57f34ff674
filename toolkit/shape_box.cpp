#include "toolkit/shape_box.h"

#include <QPainter>
#include <algorithm>

#include "toolkit/colors.h"

namespace tk::detail {

ShapeBox::ShapeBox(const ByteText& control, ShapeKind shape, Color fill, QWidget* parent)
    : ControlWidget<QWidget>(control, parent), shape_(shape), fill_(fill) {}

void ShapeBox::setFill(Color fill) {
  if (fill == fill_) return;
  fill_ = fill;
  update();
}

QRect ShapeBox::outline() const {
  if (shape_ != ShapeKind::Circle) return QRect(0, 0, width() - 1, height() - 1);
  // The largest circle the box holds, centred in it.
  const int diameter = std::min(width(), height());
  return QRect((width() - diameter) / 2, (height() - diameter) / 2, diameter - 1, diameter - 1);
}

// A scan repaints a dozen lamps every few milliseconds, and a smoothed
// outline costs far more than copying it: the lamp draws each fill it is
// given once into a pixmap of its size and copies that from then on.
void ShapeBox::paintEvent(QPaintEvent*) {
  if (width() < 1 || height() < 1) return;
  QPainter(this).drawPixmap(0, 0, face());
}

const QPixmap& ShapeBox::face() {
  // A lamp shows two or three fills in practice; a program that writes many
  // more only makes the lamp draw them again.
  constexpr qsizetype kMostFaces = 8;
  const qreal ratio = devicePixelRatioF();
  if (facesSize_ != size() || facesRatio_ != ratio || faces_.size() >= kMostFaces) {
    faces_.clear();
    facesSize_ = size();
    facesRatio_ = ratio;
  }
  auto found = faces_.constFind(fill_);
  if (found != faces_.constEnd()) return *found;
  QPixmap face(size() * ratio);
  face.setDevicePixelRatio(ratio);
  face.fill(Qt::transparent);
  QPainter painter(&face);
  drawShape(painter);
  painter.end();
  return *faces_.insert(fill_, face);
}

void ShapeBox::drawShape(QPainter& painter) const {
  painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
  painter.setBrush(fill_ == kDefaultColor ? QBrush(Qt::NoBrush) : QBrush(ToQColor(fill_)));
  if (shape_ == ShapeKind::Rectangle) {
    painter.drawRect(outline());
    return;
  }
  // Aliased, a long thin ellipse leaves gaps in its outline at the ends;
  // smoothed along pixel centres, the outline stays closed and 1 px wide.
  painter.setRenderHint(QPainter::Antialiasing);
  painter.drawEllipse(QRectF(outline()).translated(0.5, 0.5));
}

}  // namespace tk::detail

#pragma once
// A lamp: an ellipse, circle or rectangle with a 1 px solid black outline
// and a fill colour the program reads and writes.

#include <QHash>
#include <QPixmap>
#include <QWidget>

#include "toolkit/control_events.h"
#include "toolkit/toolkit.h"

class QPainter;

namespace tk::detail {

class ShapeBox : public ControlWidget<QWidget> {
 public:
  ShapeBox(const ByteText& control, ShapeKind shape, Color fill, QWidget* parent);

  // Exactly what was written last; kDefaultColor means no fill.
  Color fill() const { return fill_; }
  void setFill(Color fill);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect outline() const;
  void drawShape(QPainter& painter) const;
  // The lamp as drawn with its current fill, from the faces drawn so far.
  const QPixmap& face();

  ShapeKind shape_;
  Color fill_;
  QHash<Color, QPixmap> faces_;
  QSize facesSize_;
  qreal facesRatio_ = 0;
};

}  // namespace tk::detail

#include "toolkit/picture_render.h"

#include <QApplication>
#include <QPainter>
#include <QPolygon>

#include "toolkit/colors.h"
#include "toolkit/text_boundary.h"

namespace tk::detail {
namespace {

QPolygon Corners(const DrawStep& step) {
  QPolygon corners;
  for (const Point& point : step.points) corners << QPoint(point.x, point.y);
  return corners;
}

// Rectangles and ellipses span their two corners inclusively.
QRect Span(const DrawStep& step) {
  const Point& a = step.points[0];
  const Point& b = step.points[1];
  return QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)), QPoint(std::max(a.x, b.x), std::max(a.y, b.y)))
      .adjusted(0, 0, -1, -1);
}

void DrawText(QPainter& painter, const DrawStep& step) {
  QFont font = QApplication::font();
  font.setPixelSize(step.textHeight > 0 ? step.textHeight : 12);
  font.setWeight(step.bold ? QFont::Bold : QFont::Normal);
  painter.setFont(font);
  const QString text = ToQString(step.text);
  const QPoint at(step.points[0].x, step.points[0].y);
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine;
  if (!step.upward) {
    painter.drawText(QRect(at, QSize(0, 0)), flags, text);
    return;
  }
  // Turned a quarter left about its anchor, the text runs up from the
  // anchor with its top to the left, so the anchor is its bottom-left corner.
  painter.save();
  painter.translate(at);
  painter.rotate(-90);
  painter.drawText(QRect(0, 0, 0, 0), flags, text);
  painter.restore();
}

bool HasPoints(const DrawStep& step) {
  switch (step.type) {
    case DrawStep::Type::Text: return !step.points.empty();
    case DrawStep::Type::Line:
    case DrawStep::Type::Rectangle:
    case DrawStep::Type::Ellipse: return step.points.size() >= 2;
    case DrawStep::Type::Polyline:
    case DrawStep::Type::Polygon: return step.points.size() >= 2;
  }
  return false;
}

}  // namespace

QImage RenderPicture(const Picture& picture) {
  QImage image(std::max(picture.width, 1), std::max(picture.height, 1), QImage::Format_RGB32);
  image.fill(ToQColor(picture.background));
  QPainter painter(&image);
  for (const DrawStep& step : picture.steps) {
    if (!HasPoints(step)) continue;
    QPen pen(ToQColor(step.pen), std::max(step.penWidth, 1));
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(step.fill == kDefaultColor ? QBrush(Qt::NoBrush) : QBrush(ToQColor(step.fill)));
    switch (step.type) {
      case DrawStep::Type::Line:
        painter.drawLine(step.points[0].x, step.points[0].y, step.points[1].x, step.points[1].y);
        break;
      case DrawStep::Type::Polyline:
        painter.drawPolyline(Corners(step));
        break;
      case DrawStep::Type::Rectangle:
        painter.drawRect(Span(step));
        break;
      case DrawStep::Type::Ellipse:
        painter.drawEllipse(Span(step));
        break;
      case DrawStep::Type::Polygon:
        painter.drawPolygon(Corners(step));
        break;
      case DrawStep::Type::Text:
        DrawText(painter, step);
        break;
    }
  }
  return image;
}

}  // namespace tk::detail

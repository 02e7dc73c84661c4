#include "screen/Canvas.h"

#include <QPainter>

#include <algorithm>

void CanvasLine(QPainter &painter, QPoint from, QPoint to, QRgb pen) {
  Q_ASSERT(from.x() == to.x() || from.y() == to.y());
  if (from == to)
    return;
  // Step back one pixel from the end toward the start: the end pixel is not drawn.
  const QPoint last(to.x() + (from.x() > to.x()) - (from.x() < to.x()),
                    to.y() + (from.y() > to.y()) - (from.y() < to.y()));
  const QRect covered(QPoint(std::min(from.x(), last.x()), std::min(from.y(), last.y())),
                      QPoint(std::max(from.x(), last.x()), std::max(from.y(), last.y())));
  painter.fillRect(covered, QColor(pen));
}

void CanvasPolyline(QPainter &painter, std::initializer_list<QPoint> points, QRgb pen) {
  const QPoint *previous = nullptr;
  for (const QPoint &point : points) {
    if (previous)
      CanvasLine(painter, *previous, point, pen);
    previous = &point;
  }
}

void CanvasRectangle(QPainter &painter, QPoint topLeft, QPoint bottomRight, QRgb pen, QRgb brush) {
  const QRect outer(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
  if (outer.isEmpty())
    return;
  painter.fillRect(outer, QColor(pen));
  const QRect inside = outer.adjusted(1, 1, -1, -1);
  if (!inside.isEmpty())
    painter.fillRect(inside, QColor(brush));
}

#pragma once
// Drawing on the window picture with the original canvas's pixel rules, which decide where
// grid lines, outlines and filled rectangles land to the pixel:
// - colours are window colour values laid out 0x00BBGGRR;
// - a line covers its start pixel and stops one pixel short of its end point;
// - a rectangle (left, top)-(right, bottom) covers left..right-1 and top..bottom-1, its outer
//   ring in the pen colour and its inside in the brush colour.

#include <QPoint>
#include <QRect>
#include <QRgb>

#include <initializer_list>

class QImage;
class QPainter;

constexpr QRgb WindowColour(quint32 value) {
  return qRgb(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}

// Horizontal and vertical lines only: all the game draws.
void CanvasLine(QPainter &painter, QPoint from, QPoint to, QRgb pen);
// Lines from each point to the next.
void CanvasPolyline(QPainter &painter, std::initializer_list<QPoint> points, QRgb pen);
void CanvasRectangle(QPainter &painter, QPoint topLeft, QPoint bottomRight, QRgb pen, QRgb brush);

#include "screen/Canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

constexpr QRgb Black = 0xff000000;
constexpr QRgb Pen = 0xff102030;
constexpr QRgb Brush = 0xff405060;

QImage Blank() {
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(Black);
  return image;
}

TEST(WindowColourTest, ReadsBlueGreenRedLayout) {
  EXPECT_EQ(WindowColour(17877), qRgb(213, 69, 0));
  EXPECT_EQ(WindowColour(16776960), qRgb(0, 255, 255));
  EXPECT_EQ(WindowColour(8421504), qRgb(128, 128, 128));
  EXPECT_EQ(WindowColour(255), qRgb(255, 0, 0));
}

TEST(CanvasTest, LineCoversItsStartButNotItsEnd) {
  QImage image = Blank();
  {
    QPainter p(&image);
    CanvasLine(p, {10, 5}, {20, 5}, Pen); // rightwards
    CanvasLine(p, {20, 8}, {10, 8}, Pen); // leftwards
    CanvasLine(p, {3, 10}, {3, 20}, Pen); // downwards
    CanvasLine(p, {6, 20}, {6, 10}, Pen); // upwards
  }
  EXPECT_EQ(image.pixel(10, 5), Pen);
  EXPECT_EQ(image.pixel(19, 5), Pen);
  EXPECT_EQ(image.pixel(20, 5), Black);
  EXPECT_EQ(image.pixel(20, 8), Pen);
  EXPECT_EQ(image.pixel(11, 8), Pen);
  EXPECT_EQ(image.pixel(10, 8), Black);
  EXPECT_EQ(image.pixel(3, 10), Pen);
  EXPECT_EQ(image.pixel(3, 19), Pen);
  EXPECT_EQ(image.pixel(3, 20), Black);
  EXPECT_EQ(image.pixel(6, 20), Pen);
  EXPECT_EQ(image.pixel(6, 11), Pen);
  EXPECT_EQ(image.pixel(6, 10), Black);
  EXPECT_EQ(image.pixel(4, 15), Black); // one pixel wide
}

TEST(CanvasTest, ClosedPolylineDrawsAllFourCorners) {
  QImage image = Blank();
  {
    QPainter p(&image);
    CanvasPolyline(p, {{5, 5}, {15, 5}, {15, 12}, {5, 12}, {5, 5}}, Pen);
  }
  for (QPoint corner : {QPoint(5, 5), QPoint(15, 5), QPoint(15, 12), QPoint(5, 12)})
    EXPECT_EQ(image.pixel(corner), Pen) << corner.x() << "," << corner.y();
  EXPECT_EQ(image.pixel(10, 8), Black);
  EXPECT_EQ(image.pixel(16, 5), Black);
}

TEST(CanvasTest, RectangleStopsShortOfRightAndBottomWithPenRingAndBrushInside) {
  QImage image = Blank();
  {
    QPainter p(&image);
    CanvasRectangle(p, {10, 10}, {20, 15}, Pen, Brush);
  }
  EXPECT_EQ(image.pixel(10, 10), Pen);
  EXPECT_EQ(image.pixel(19, 10), Pen);
  EXPECT_EQ(image.pixel(10, 14), Pen);
  EXPECT_EQ(image.pixel(19, 14), Pen);
  EXPECT_EQ(image.pixel(11, 11), Brush);
  EXPECT_EQ(image.pixel(18, 13), Brush);
  EXPECT_EQ(image.pixel(20, 10), Black);
  EXPECT_EQ(image.pixel(10, 15), Black);
}

} // namespace

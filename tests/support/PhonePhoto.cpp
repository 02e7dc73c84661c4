// Writes a portrait photo as a phone stores it: the pixels of a landscape picture, turned a
// quarter, with EXIF orientation 6 saying that they are to be turned back to be seen. The
// picture is four coloured quarters (red, green / blue, white) with a black arrow pointing up,
// so that a screenshot shows at a glance which way up it is.
//
// Usage: qb_phone_photo OUT.jpg [WIDTH HEIGHT]   (the upright size; default 480 x 640)
#include "tests/support/ExifJpeg.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>

#include <cstdlib>

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2 && argc != 4)
    return 2;
  const QSize size = argc == 4 ? QSize(std::atoi(argv[2]), std::atoi(argv[3])) : QSize(480, 640);
  QImage upright = ExifJpeg::Quarters(size);
  QPainter painter(&upright);
  painter.setBrush(Qt::black);
  const int w = size.width(), h = size.height();
  painter.drawPolygon(
      QPolygon({QPoint(w / 2, h / 8), QPoint(w * 3 / 4, h * 3 / 8), QPoint(w * 5 / 8, h * 3 / 8),
                QPoint(w * 5 / 8, h * 7 / 8), QPoint(w * 3 / 8, h * 7 / 8),
                QPoint(w * 3 / 8, h * 3 / 8), QPoint(w / 4, h * 3 / 8)}));
  painter.end();
  QFile out(QString::fromLocal8Bit(argv[1]));
  const QByteArray jpeg = ExifJpeg::PhoneJpeg(upright, 6);
  return out.open(QIODevice::WriteOnly) && out.write(jpeg) == jpeg.size() ? 0 : 1;
}

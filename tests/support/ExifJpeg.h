#pragma once
// JPEG pictures as phones write them, made in memory: a picture stored turned or mirrored, with
// an EXIF block (APP1) whose orientation says how to show it upright. Built by hand here, so
// that the tests do not take the program's own reading of EXIF for granted.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>

namespace ExifJpeg {

// An APP1 body: "Exif\0\0", a TIFF header in either byte order and a first image directory of
// three entries (width, orientation, height, as cameras sort them by tag).
inline QByteArray Segment(int orientation, bool bigEndian = false) {
  QByteArray tiff;
  const auto put16 = [&](quint16 v) {
    tiff.append(bigEndian ? char(v >> 8) : char(v & 0xFF));
    tiff.append(bigEndian ? char(v & 0xFF) : char(v >> 8));
  };
  const auto put32 = [&](quint32 v) {
    put16(bigEndian ? quint16(v >> 16) : quint16(v & 0xFFFF));
    put16(bigEndian ? quint16(v & 0xFFFF) : quint16(v >> 16));
  };
  tiff.append(bigEndian ? "MM" : "II");
  put16(42);
  put32(8); // the directory follows the header
  put16(3);
  const auto entry = [&](quint16 tag, quint16 value) {
    put16(tag);
    put16(3); // SHORT
    put32(1);
    put16(value);
    put16(0);
  };
  entry(0x0100, 640);
  entry(0x0112, quint16(orientation));
  entry(0x0101, 480);
  put32(0); // no next directory
  return QByteArray("Exif\0\0", 6) + tiff;
}

// `jpeg` with an APP1 segment of this body right after its start-of-image marker.
inline QByteArray WithApp1(const QByteArray &jpeg, const QByteArray &body) {
  QByteArray marker("\xFF\xE1", 2);
  marker.append(char((body.size() + 2) >> 8)).append(char((body.size() + 2) & 0xFF));
  return jpeg.left(2) + marker + body + jpeg.mid(2);
}

inline QByteArray Encode(const QImage &image, int quality = 95) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setQuality(quality);
  writer.write(image);
  return buffer.data();
}

// The pixels a camera stores for a picture meant to be seen as `upright`, by the EXIF
// definition of each orientation: where the stored first row and first column appear.
inline QImage StoredFor(const QImage &upright, int orientation) {
  const int w = upright.width(), h = upright.height();
  const bool swaps = orientation >= 5;
  QImage stored(swaps ? h : w, swaps ? w : h, QImage::Format_RGB32);
  for (int r = 0; r < stored.height(); ++r)
    for (int c = 0; c < stored.width(); ++c) {
      QPoint at;
      switch (orientation) {
      case 2:
        at = {w - 1 - c, r};
        break;
      case 3:
        at = {w - 1 - c, h - 1 - r};
        break;
      case 4:
        at = {c, h - 1 - r};
        break;
      case 5:
        at = {r, c};
        break; // first row on the left, first column at the top
      case 6:
        at = {w - 1 - r, c};
        break; // first row on the right, first column at the top
      case 7:
        at = {w - 1 - r, h - 1 - c};
        break;
      case 8:
        at = {r, h - 1 - c};
        break; // first row on the left, first column at the bottom
      default:
        at = {c, r};
        break;
      }
      stored.setPixel(c, r, upright.pixel(at));
    }
  return stored;
}

// A picture whose four quarters differ (red, green / blue, white), so that any turn or mirror
// shows; flat quarters survive JPEG.
inline QImage Quarters(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  const int w = size.width(), h = size.height();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.setPixel(x, y,
                     y < h / 2 ? (x < w / 2 ? qRgb(220, 30, 30) : qRgb(30, 200, 30))
                               : (x < w / 2 ? qRgb(30, 30, 220) : qRgb(240, 240, 240)));
  return image;
}

// A phone's JPEG of `upright`, stored turned as `orientation` says.
inline QByteArray PhoneJpeg(const QImage &upright, int orientation, bool bigEndian = false) {
  return WithApp1(Encode(StoredFor(upright, orientation)), Segment(orientation, bigEndian));
}

// Whether `image` shows the four quarters of Quarters() the right way round (checked at each
// quarter's centre, within a JPEG's error).
inline bool ShowsQuartersUpright(const QImage &image) {
  const int w = image.width(), h = image.height();
  const auto near = [&](int x, int y, QRgb want) {
    const QRgb got = image.pixel(x, y);
    return qAbs(qRed(got) - qRed(want)) < 40 && qAbs(qGreen(got) - qGreen(want)) < 40 &&
           qAbs(qBlue(got) - qBlue(want)) < 40;
  };
  return near(w / 4, h / 4, qRgb(220, 30, 30)) && near(3 * w / 4, h / 4, qRgb(30, 200, 30)) &&
         near(w / 4, 3 * h / 4, qRgb(30, 30, 220)) &&
         near(3 * w / 4, 3 * h / 4, qRgb(240, 240, 240));
}

} // namespace ExifJpeg

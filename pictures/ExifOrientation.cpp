#include "pictures/ExifOrientation.h"

#include <QTransform>

#include <cstring>

namespace ExifOrientation {

namespace {

constexpr quint16 OrientationTag = 0x0112;
constexpr quint16 ShortType = 3;
constexpr qsizetype EntryBytes = 12;
constexpr char ExifName[] = "Exif\0"; // with the terminating zero: six bytes

// Reads the TIFF block's numbers in its own byte order, never past its end.
struct TTiffBlock {
  const uchar *Data;
  qsizetype Size;
  bool BigEndian;

  bool Has(qint64 at, qint64 bytes) const { return at >= 0 && bytes <= Size && at <= Size - bytes; }
  quint16 Short(qint64 at) const {
    return BigEndian ? quint16(Data[at] << 8 | Data[at + 1])
                     : quint16(Data[at + 1] << 8 | Data[at]);
  }
  quint32 Long(qint64 at) const {
    return BigEndian ? quint32(Short(at)) << 16 | Short(at + 2)
                     : quint32(Short(at + 2)) << 16 | Short(at);
  }
};

int FromTiff(const TTiffBlock &tiff) {
  if (!tiff.Has(0, 8) || tiff.Short(2) != 42)
    return AsStored;
  const qint64 directory = tiff.Long(4);
  if (!tiff.Has(directory, 2))
    return AsStored;
  const int entries = tiff.Short(directory);
  for (int i = 0; i < entries; ++i) {
    const qint64 entry = directory + 2 + i * EntryBytes;
    if (!tiff.Has(entry, EntryBytes))
      return AsStored;
    if (tiff.Short(entry) != OrientationTag)
      continue;
    // One SHORT, held in the first two bytes of the value field.
    const int value = tiff.Short(entry + 8);
    const bool wellFormed = tiff.Short(entry + 2) == ShortType && tiff.Long(entry + 4) == 1;
    return wellFormed && value >= 1 && value <= 8 ? value : AsStored;
  }
  return AsStored;
}

} // namespace

bool IsExifSegment(const uchar *data, qsizetype size) {
  return size >= qsizetype(sizeof ExifName) && std::memcmp(data, ExifName, sizeof ExifName) == 0;
}

int FromExifSegment(const uchar *data, qsizetype size) {
  if (!IsExifSegment(data, size) || size < qsizetype(sizeof ExifName) + 8)
    return AsStored;
  const uchar *tiff = data + sizeof ExifName;
  const qsizetype tiffSize = size - qsizetype(sizeof ExifName);
  if (tiff[0] == 'I' && tiff[1] == 'I')
    return FromTiff({tiff, tiffSize, false});
  if (tiff[0] == 'M' && tiff[1] == 'M')
    return FromTiff({tiff, tiffSize, true});
  return AsStored;
}

int FromJpeg(const uchar *data, qsizetype size) {
  if (size < 4 || data[0] != 0xFF || data[1] != 0xD8)
    return AsStored;
  qsizetype at = 2;
  // Marker segments up to the first scan or frame data: FF, marker, 2-byte length.
  while (at + 4 <= size && data[at] == 0xFF) {
    const uchar marker = data[at + 1];
    if (marker == 0xFF) { // fill byte
      ++at;
      continue;
    }
    if (marker == 0xDA || marker == 0xD9)
      break;
    const qsizetype length = data[at + 2] << 8 | data[at + 3];
    if (length < 2 || at + 2 + length > size)
      break;
    if (marker == 0xE1 && IsExifSegment(data + at + 4, length - 2))
      return FromExifSegment(data + at + 4, length - 2);
    at += 2 + length;
  }
  return AsStored;
}

bool SwapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

QSize UprightSize(QSize stored, int orientation) {
  return SwapsSides(orientation) ? stored.transposed() : stored;
}

QImage Upright(const QImage &stored, int orientation) {
  // Qt's y axis points down: a positive angle turns clockwise.
  const auto turned = [&stored](qreal degrees) {
    return stored.transformed(QTransform().rotate(degrees));
  };
  switch (orientation) {
  case 2:
    return stored.mirrored(true, false);
  case 3:
    return turned(180);
  case 4:
    return stored.mirrored(false, true);
  case 5:
    return turned(90).mirrored(true, false);
  case 6:
    return turned(90);
  case 7:
    return turned(90).mirrored(false, true);
  case 8:
    return turned(270);
  default:
    return stored;
  }
}

} // namespace ExifOrientation

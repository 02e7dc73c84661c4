#include "tools/assetgen/Bmp16.h"

#include "tools/assetgen/LittleEndian.h"

namespace {

// Keeps the top bits of a channel, as 16-bit surfaces do: readers that widen by shifting
// (Qt's among them) then get back at most 2^(8 - bits) - 1 below the original.
quint16 Quantise(int value, int bits) { return quint16(value >> (8 - bits)); }

} // namespace

QByteArray EncodeBmp16(const QImage &image) {
  const QImage src = image.convertToFormat(QImage::Format_RGB32);
  const int w = src.width();
  const int h = src.height();
  const int rowBytes = (w * 2 + 3) / 4 * 4;
  const quint32 headerBytes = 14 + 40 + 12;
  const quint32 pixelBytes = quint32(rowBytes) * quint32(h);

  QByteArray out;
  out.reserve(int(headerBytes + pixelBytes));
  out.append("BM", 2);
  PutLE32(out, headerBytes + pixelBytes);
  PutLE32(out, 0);
  PutLE32(out, headerBytes);
  PutLE32(out, 40); // BITMAPINFOHEADER
  PutLE32(out, quint32(w));
  PutLE32(out, quint32(h)); // positive: rows stored bottom-up
  PutLE16(out, 1);
  PutLE16(out, 16);
  PutLE32(out, 3); // BI_BITFIELDS
  PutLE32(out, pixelBytes);
  PutLE32(out, 2835); // 72 dpi
  PutLE32(out, 2835);
  PutLE32(out, 0);
  PutLE32(out, 0);
  PutLE32(out, 0xF800);
  PutLE32(out, 0x07E0);
  PutLE32(out, 0x001F);

  for (int y = h - 1; y >= 0; --y) {
    const QRgb *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      const QRgb c = line[x];
      PutLE16(out, quint16(Quantise(qRed(c), 5) << 11 | Quantise(qGreen(c), 6) << 5 |
                           Quantise(qBlue(c), 5)));
    }
    out.append(QByteArray(rowBytes - w * 2, '\0'));
  }
  return out;
}

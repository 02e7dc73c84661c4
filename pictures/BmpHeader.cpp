#include "pictures/BmpHeader.h"

#include <QCoreApplication>
#include <QtEndian>

#include <climits>

namespace {

constexpr qint64 FileHeaderSize = 14;
constexpr quint32 CoreHeaderSize = 12; // OS/2 1.x: 16-bit sizes, 3-byte colour entries
constexpr quint32 InfoHeaderSize = 40;
constexpr quint32 MaskBytes = 12; // red, green and blue masks after a 40-byte header

enum TCompression : quint32 { CompressNone = 0, CompressRle8 = 1, CompressRle4 = 2, BitFields = 3 };

bool IsKnownInfoSize(quint32 size) {
  for (quint32 known : {CoreHeaderSize, InfoHeaderSize, 52u, 56u, 108u, 124u})
    if (size == known)
      return true;
  return false;
}

bool IsKnownBitCount(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool CompressionFits(quint32 compression, int bits) {
  switch (compression) {
  case CompressNone:
    return true;
  case CompressRle8:
    return bits == 8;
  case CompressRle4:
    return bits == 4;
  case BitFields:
    return bits == 16 || bits == 32;
  default:
    return false;
  }
}

TBmpHeader Refuse(TBmpHeader::TVerdict verdict, const QString &problem) {
  TBmpHeader header;
  header.Verdict = verdict;
  header.Problem = problem;
  return header;
}

} // namespace

TBmpHeader TBmpHeader::Read(const QByteArray &head, qint64 fileSize) {
  const auto *bytes = reinterpret_cast<const uchar *>(head.constData());
  const auto u16 = [&](qint64 at) { return qFromLittleEndian<quint16>(bytes + at); };
  const auto u32 = [&](qint64 at) { return qFromLittleEndian<quint32>(bytes + at); };
  const auto i32 = [&](qint64 at) { return qFromLittleEndian<qint32>(bytes + at); };

  //: What is wrong with a BMP picture, shown in "its picture is damaged (%1)" or "its picture is of
  //: an unknown type (%1)"
  if (head.size() < FileHeaderSize + 4 || !head.startsWith("BM"))
    return Refuse(Unsupported, QCoreApplication::translate("Picture", "not a BMP picture"));
  const quint32 infoSize = u32(FileHeaderSize);
  if (!IsKnownInfoSize(infoSize))
    return Refuse(Unsupported,
                  QCoreApplication::translate("Picture", "a BMP header of %1 bytes").arg(infoSize));
  if (FileHeaderSize + infoSize > head.size() || FileHeaderSize + infoSize > fileSize)
    return Refuse(Damaged, QCoreApplication::translate("Picture", "its header runs past its end"));

  const qint64 info = FileHeaderSize;
  const bool core = infoSize == CoreHeaderSize;
  const qint64 width = core ? u16(info + 4) : i32(info + 4);
  const qint64 signedHeight = core ? u16(info + 6) : i32(info + 8);
  const int planes = core ? u16(info + 8) : u16(info + 12);
  const int bits = core ? u16(info + 10) : u16(info + 14);
  const quint32 compression = core ? CompressNone : u32(info + 16);
  const quint32 coloursUsed = core ? 0 : u32(info + 32);

  if (planes != 1)
    return Refuse(Damaged, QCoreApplication::translate("Picture", "%1 colour planes").arg(planes));
  if (!IsKnownBitCount(bits))
    return Refuse(Damaged, QCoreApplication::translate("Picture", "%1 bits per pixel").arg(bits));
  if (!CompressionFits(compression, bits))
    return Refuse(Unsupported,
                  QCoreApplication::translate("Picture", "BMP compression %1 at %2 bits per pixel")
                      .arg(compression)
                      .arg(bits));
  const bool runLength = compression == CompressRle8 || compression == CompressRle4;
  const qint64 height = signedHeight < 0 ? -signedHeight : signedHeight;
  // Run-length data is always stored bottom-up.
  if (width <= 0 || height == 0 || height > INT_MAX || (runLength && signedHeight < 0))
    return Refuse(Damaged, QCoreApplication::translate("Picture", "a size of %1 x %2 pixels")
                               .arg(width)
                               .arg(signedHeight));

  // The colour table: indexed pixels can name no more entries than their bits
  // can count.
  const qint64 maxColours = bits <= 8 ? qint64(1) << bits : 256;
  const qint64 colours = bits <= 8 && coloursUsed == 0 ? maxColours : qint64(coloursUsed);
  if (colours > maxColours)
    return Refuse(Damaged, QCoreApplication::translate(
                               "Picture", "a colour table of %1 entries for %2-bit pixels")
                               .arg(colours)
                               .arg(bits));
  const qint64 masks = infoSize == InfoHeaderSize && compression == BitFields ? MaskBytes : 0;
  const qint64 tableEnd = FileHeaderSize + infoSize + masks + colours * (core ? 3 : 4);
  const qint64 dataAt = u32(10);
  if (tableEnd > fileSize || dataAt < tableEnd || dataAt > fileSize)
    return Refuse(Damaged, QCoreApplication::translate(
                               "Picture", "its colour table or pixel data lies outside the file "
                                          "(data at offset %1, file size %2)")
                               .arg(dataAt)
                               .arg(fileSize));

  const qint64 available = fileSize - dataAt;
  if (runLength ? available == 0 : ((width * bits + 31) / 32) * 4 > available / height)
    return Refuse(Damaged, QCoreApplication::translate(
                               "Picture", "its pixel data is cut short (%1 bytes for %2 x %3 "
                                          "pixels at %4 bits)")
                               .arg(available)
                               .arg(width)
                               .arg(height)
                               .arg(bits));

  TBmpHeader header;
  header.Verdict = Usable;
  header.Size = QSize(int(width), int(height));
  header.BitCount = bits;
  header.RunLength = runLength;
  return header;
}

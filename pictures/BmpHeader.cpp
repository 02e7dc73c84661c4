#include "pictures/BmpHeader.h"

#include <QCoreApplication>
#include <QtEndian>

#include <climits>
#include <optional>

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

// The fields of the info header that say what the pixels are and where they lie.
struct TInfo {
  quint32 Size = 0;
  bool Core = false; // the OS/2 1.x header
  qint64 Width = 0, SignedHeight = 0, Height = 0;
  int Planes = 0, Bits = 0;
  quint32 Compression = CompressNone, ColoursUsed = 0;
  qint64 DataAt = 0;
  bool RunLength() const { return Compression == CompressRle8 || Compression == CompressRle4; }
};

TInfo ReadInfo(const uchar *bytes, quint32 infoSize) {
  const auto u16 = [&](qint64 at) { return qFromLittleEndian<quint16>(bytes + at); };
  const auto u32 = [&](qint64 at) { return qFromLittleEndian<quint32>(bytes + at); };
  const auto i32 = [&](qint64 at) { return qFromLittleEndian<qint32>(bytes + at); };
  const qint64 info = FileHeaderSize;
  TInfo i;
  i.Size = infoSize;
  i.Core = infoSize == CoreHeaderSize;
  i.Width = i.Core ? u16(info + 4) : i32(info + 4);
  i.SignedHeight = i.Core ? u16(info + 6) : i32(info + 8);
  i.Height = i.SignedHeight < 0 ? -i.SignedHeight : i.SignedHeight;
  i.Planes = i.Core ? u16(info + 8) : u16(info + 12);
  i.Bits = i.Core ? u16(info + 10) : u16(info + 14);
  i.Compression = i.Core ? CompressNone : u32(info + 16);
  i.ColoursUsed = i.Core ? 0 : u32(info + 32);
  i.DataAt = u32(10);
  return i;
}

// Planes, bits, compression and size as this reader knows them; a refusal otherwise.
std::optional<TBmpHeader> RefusedFormat(const TInfo &i) {
  if (i.Planes != 1)
    return Refuse(TBmpHeader::Damaged,
                  QCoreApplication::translate("Picture", "%1 colour planes").arg(i.Planes));
  if (!IsKnownBitCount(i.Bits))
    return Refuse(TBmpHeader::Damaged,
                  QCoreApplication::translate("Picture", "%1 bits per pixel").arg(i.Bits));
  if (!CompressionFits(i.Compression, i.Bits))
    return Refuse(TBmpHeader::Unsupported,
                  QCoreApplication::translate("Picture", "BMP compression %1 at %2 bits per pixel")
                      .arg(i.Compression)
                      .arg(i.Bits));
  // Run-length data is always stored bottom-up.
  if (i.Width <= 0 || i.Height == 0 || i.Height > INT_MAX || (i.RunLength() && i.SignedHeight < 0))
    return Refuse(TBmpHeader::Damaged,
                  QCoreApplication::translate("Picture", "a size of %1 x %2 pixels")
                      .arg(i.Width)
                      .arg(i.SignedHeight));
  return std::nullopt;
}

// The colour table and the pixels inside the file; a refusal otherwise.
std::optional<TBmpHeader> RefusedLayout(const TInfo &i, qint64 fileSize) {
  // Indexed pixels can name no more colour table entries than their bits can count.
  const qint64 maxColours = i.Bits <= 8 ? qint64(1) << i.Bits : 256;
  const qint64 colours = i.Bits <= 8 && i.ColoursUsed == 0 ? maxColours : qint64(i.ColoursUsed);
  if (colours > maxColours)
    return Refuse(
        TBmpHeader::Damaged,
        QCoreApplication::translate("Picture", "a colour table of %1 entries for %2-bit pixels")
            .arg(colours)
            .arg(i.Bits));
  const qint64 masks = i.Size == InfoHeaderSize && i.Compression == BitFields ? MaskBytes : 0;
  const qint64 tableEnd = FileHeaderSize + i.Size + masks + colours * (i.Core ? 3 : 4);
  if (tableEnd > fileSize || i.DataAt < tableEnd || i.DataAt > fileSize)
    return Refuse(TBmpHeader::Damaged,
                  QCoreApplication::translate(
                      "Picture", "its colour table or pixel data lies outside the file "
                                 "(data at offset %1, file size %2)")
                      .arg(i.DataAt)
                      .arg(fileSize));
  const qint64 available = fileSize - i.DataAt;
  if (i.RunLength() ? available == 0 : ((i.Width * i.Bits + 31) / 32) * 4 > available / i.Height)
    return Refuse(TBmpHeader::Damaged,
                  QCoreApplication::translate("Picture", "its pixel data is cut short (%1 bytes "
                                                         "for %2 x %3 pixels at %4 bits)")
                      .arg(available)
                      .arg(i.Width)
                      .arg(i.Height)
                      .arg(i.Bits));
  return std::nullopt;
}

} // namespace

TBmpHeader TBmpHeader::Read(const QByteArray &head, qint64 fileSize) {
  const auto *bytes = reinterpret_cast<const uchar *>(head.constData());
  //: What is wrong with a BMP picture, shown in "its picture is damaged (%1)" or "its picture is of
  //: an unknown type (%1)"
  if (head.size() < FileHeaderSize + 4 || !head.startsWith("BM"))
    return Refuse(Unsupported, QCoreApplication::translate("Picture", "not a BMP picture"));
  const quint32 infoSize = qFromLittleEndian<quint32>(bytes + FileHeaderSize);
  if (!IsKnownInfoSize(infoSize))
    return Refuse(Unsupported,
                  QCoreApplication::translate("Picture", "a BMP header of %1 bytes").arg(infoSize));
  if (FileHeaderSize + infoSize > head.size() || FileHeaderSize + infoSize > fileSize)
    return Refuse(Damaged, QCoreApplication::translate("Picture", "its header runs past its end"));

  const TInfo info = ReadInfo(bytes, infoSize);
  if (auto refused = RefusedFormat(info))
    return *refused;
  if (auto refused = RefusedLayout(info, fileSize))
    return *refused;
  TBmpHeader header;
  header.Verdict = Usable;
  header.Size = QSize(int(info.Width), int(info.Height));
  header.BitCount = info.Bits;
  header.RunLength = info.RunLength();
  return header;
}

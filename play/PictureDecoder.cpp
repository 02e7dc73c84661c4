#include "play/PictureDecoder.h"

#include "gamefile/PictureType.h"
#include "play/BmpHeader.h"
#include "play/PictureGeometry.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <sys/stat.h>

namespace {

// Decoded pictures are converted to 32-bit pixels to be cut into cells: that is
// what they cost.
constexpr qint64 BytesPerPixel = 4;

TDecodedPicture Refuse(TPictureFault fault, const QString &reason) {
  TDecodedPicture picture;
  picture.Fault = fault;
  picture.Reason = reason;
  return picture;
}

TDecodedPicture Damaged(const QString &detail) {
  return Refuse(TPictureFault::Damaged, QStringLiteral("its picture is damaged (%1)").arg(detail));
}

// Indexed pixels may name entries past a short colour table; they are shown
// black rather than read from beyond it.
void FillColourTable(QImage &image) {
  const int full = image.depth() <= 8 ? 1 << image.depth() : 0;
  if (image.colorCount() == 0 || image.colorCount() >= full)
    return;
  QList<QRgb> table = image.colorTable();
  table.resize(full, qRgb(0, 0, 0));
  image.setColorTable(table);
}

} // namespace

TDecodedPicture TPictureDecoder::DecodeFile(const QString &path, quint8 type, int gridSize) const {
  // A FIFO would block the open and a device has no end: only regular files are
  // read.
  struct stat status;
  if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
    return Damaged(QStringLiteral("%1 is missing or not a regular file").arg(path));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return Damaged(QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString()));
  return Decode(file, file.size(), type, gridSize);
}

TDecodedPicture TPictureDecoder::Decode(const QByteArray &bytes, quint8 type, int gridSize) const {
  QByteArray copy = bytes; // shared, not copied: QBuffer only reads it
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  return Decode(buffer, bytes.size(), type, gridSize);
}

TDecodedPicture TPictureDecoder::Decode(QIODevice &device, qint64 size, quint8 type,
                                        int gridSize) const {
  if (type != PictureJpeg && type != PictureBmp)
    return Refuse(TPictureFault::UnknownType,
                  QStringLiteral("its picture is of an unknown type (%1)").arg(type));
  if (size > Limits.MaxBytes)
    return Refuse(TPictureFault::TooBig, QStringLiteral("its picture is too big (%1 bytes, the "
                                                        "limit is %2 bytes)")
                                             .arg(size)
                                             .arg(Limits.MaxBytes));

  const QByteArray head = device.peek(TBmpHeader::MaxHeadBytes);
  QSize pixels;
  bool runLength = false;
  if (type == PictureBmp) {
    const TBmpHeader header = TBmpHeader::Read(head, size);
    if (header.Verdict == TBmpHeader::Unsupported)
      return Refuse(TPictureFault::UnknownType,
                    QStringLiteral("its picture is of an unknown type (%1)").arg(header.Problem));
    if (!header.IsUsable())
      return Damaged(header.Problem);
    pixels = header.Size;
    runLength = header.RunLength;
  } else if (!head.startsWith("\xFF\xD8\xFF")) {
    return Refuse(TPictureFault::UnknownType,
                  QStringLiteral("its picture is of an unknown type (not a JPEG picture)"));
  }

  QImageReader reader(&device, type == PictureJpeg ? "jpeg" : "bmp");
  // The type is known: guessing would load every image plugin installed and let one of them,
  // not the reader checked above, take the picture.
  reader.setAutoDetectImageFormat(false);
  if (type == PictureJpeg) {
    pixels = reader.size();
    if (!pixels.isValid() || pixels.isEmpty())
      return Damaged(QStringLiteral("no readable JPEG header"));
  }

  const qint64 count = qint64(pixels.width()) * pixels.height();
  if (count > Limits.MaxPixels)
    return Refuse(TPictureFault::TooBig,
                  QStringLiteral("its picture is too big (%1 x %2 pixels, the limit is %3 "
                                 "megapixels)")
                      .arg(pixels.width())
                      .arg(pixels.height())
                      .arg(Limits.MaxPixels >> 20));
  const qint64 needed = count * BytesPerPixel;
  if (needed > qint64(Limits.AllocationLimitMb) << 20)
    return Refuse(TPictureFault::TooBig,
                  QStringLiteral("its picture is too big (decoding needs %1 MB, the limit is %2 "
                                 "MB)")
                      .arg((needed + (1 << 20) - 1) >> 20)
                      .arg(Limits.AllocationLimitMb));
  if (gridSize > 0 && !PictureGeometry(pixels, gridSize))
    return Refuse(TPictureFault::SmallerThanGrid,
                  QStringLiteral("its picture (%1 x %2 pixels) is smaller than its grid of "
                                 "%3-pixel cells")
                      .arg(pixels.width())
                      .arg(pixels.height())
                      .arg(gridSize));

  QImageReader::setAllocationLimit(Limits.AllocationLimitMb);
  TDecodedPicture picture;
  // Run-length data may skip pixels and Qt leaves those unset: decode into a
  // cleared image of the format Qt picks for 4- and 8-bit pictures, which Qt
  // then reuses.
  if (runLength) {
    picture.Image = QImage(pixels, QImage::Format_Indexed8);
    picture.Image.fill(0);
  }
  if (!reader.read(&picture.Image))
    return Damaged(reader.errorString());
  FillColourTable(picture.Image);
  return picture;
}

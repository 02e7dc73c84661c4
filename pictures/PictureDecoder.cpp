#include "pictures/PictureDecoder.h"

#include "gamefile/PictureType.h"
#include "pictures/BmpHeader.h"
#include "rules/PictureGeometry.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>

#include <algorithm>

#include <sys/stat.h>

namespace {

// Decoded pictures are converted to 32-bit pixels to be cut into cells: that is
// what they cost.
constexpr qint64 BytesPerPixel = 4;
QString Pixels(double value) { return QString::number(value, 'g', 3); }

// Why PictureGeometry refuses `stored` with `grid`, in the player's words. The cell sizes are
// worked out as the play screen does before it checks them.
QString WhyNoCells(QSize stored, int grid) {
  //: The level's picture, named in the next two texts as %1
  const QString picture = QCoreApplication::translate("Picture", "its picture (%1 x %2 pixels)")
                              .arg(stored.width())
                              .arg(stored.height());
  if (grid <= 0)
    return QCoreApplication::translate("Picture", "its grid size is %1, which cuts no cells")
        .arg(grid);
  const double aspect = double(stored.width()) / stored.height();
  auto otherSide = [](double side, double ratio) {
    const double other = side / ratio;
    return other > 1.3 * side ? other / 2 : other;
  };
  double cellWidth = grid;
  double cellHeight = otherSide(grid, aspect);
  const int width = std::min(int(stored.width() / grid), int(270 / grid)) * grid;
  if (int(width / aspect) > 360) {
    cellHeight = grid;
    cellWidth = otherSide(grid, 1 / aspect);
  }
  if (stored.width() < grid || stored.height() < cellHeight)
    return QCoreApplication::translate("Picture", "%1 is smaller than its grid of %2-pixel cells")
        .arg(picture)
        .arg(grid);
  // Cells less than a pixel: the grid is fine, the picture's shape is not.
  return QCoreApplication::translate(
             "Picture", "%1 cut by its grid of %2 gives cells of %3 x %4 pixels, and a cell must "
                        "be at least 1 pixel each way")
      .arg(picture)
      .arg(grid)
      .arg(Pixels(cellWidth), Pixels(cellHeight));
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

TPictureUse TPictureUse::Level(int grid) {
  TPictureUse use;
  use.Grid = grid;
  use.ShownSize = [grid](QSize stored) {
    const auto geometry = PictureGeometry(stored, grid);
    return geometry ? QSize(geometry->Width, geometry->Height) : stored;
  };
  return use;
}

TDecodedPicture TPictureDecoder::DecodeFile(const QString &path, quint8 type, int gridSize) const {
  TPictureUse use;
  if (gridSize > 0)
    use.Grid = gridSize;
  return DecodeFile(path, type, use);
}

TDecodedPicture TPictureDecoder::Decode(const QByteArray &bytes, quint8 type, int gridSize) const {
  TPictureUse use;
  if (gridSize > 0)
    use.Grid = gridSize;
  return Decode(bytes, type, use);
}

TDecodedPicture TPictureDecoder::DecodeFile(const QString &path, quint8 type,
                                            const TPictureUse &use) const {
  // A FIFO would block the open and a device has no end: only regular files are
  // read.
  struct stat status;
  if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
    return TDecodedPicture::DamagedBecause(
        QCoreApplication::translate("Picture", "%1 is missing or not a regular file").arg(path));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return TDecodedPicture::DamagedBecause(
        QCoreApplication::translate("Picture", "%1 cannot be read: %2")
            .arg(path, file.errorString()));
  return Decode(file, file.size(), type, use);
}

TDecodedPicture TPictureDecoder::Decode(const QByteArray &bytes, quint8 type,
                                        const TPictureUse &use) const {
  QBuffer device;
  device.setData(bytes);
  device.open(QIODevice::ReadOnly);
  return Decode(device, bytes.size(), type, use);
}

TDecodedPicture TPictureDecoder::Decode(QIODevice &device, qint64 size, quint8 type,
                                        const TPictureUse &use) const {
  if (type != PictureJpeg && type != PictureBmp)
    return TDecodedPicture::Refused(
        TPictureFault::UnknownType,
        QCoreApplication::translate("Picture", "its picture is of an unknown type (%1)").arg(type));
  if (size > Limits.MaxBytes)
    return TDecodedPicture::Refused(
        TPictureFault::TooBig,
        QCoreApplication::translate("Picture", "its picture is too big (%1 bytes, the "
                                               "limit is %2 bytes)")
            .arg(size)
            .arg(Limits.MaxBytes));
  if (type == PictureBmp)
    return DecodeBmp(device, size, use);
  if (!device.peek(3).startsWith("\xFF\xD8\xFF"))
    return TDecodedPicture::Refused(
        TPictureFault::UnknownType,
        QCoreApplication::translate("Picture",
                                    "its picture is of an unknown type (not a JPEG picture)"));
  return DecodeJpeg(device, use);
}

std::optional<TDecodedPicture> TPictureDecoder::CheckSize(QSize stored, qint64 decodeBytes,
                                                          const TPictureUse &use) const {
  const qint64 count = qint64(stored.width()) * stored.height();
  if (count > Limits.MaxPixels)
    return TDecodedPicture::Refused(
        TPictureFault::TooBig,
        QCoreApplication::translate("Picture",
                                    "its picture is too big (%1 x %2 pixels, the limit is %3 "
                                    "megapixels)")
            .arg(stored.width())
            .arg(stored.height())
            .arg(Limits.MaxPixels >> 20));
  if (decodeBytes > qint64(Limits.AllocationLimitMb) << 20)
    return TDecodedPicture::Refused(
        TPictureFault::TooBig,
        QCoreApplication::translate("Picture",
                                    "its picture is too big (decoding needs %1 MB, the limit is %2 "
                                    "MB)")
            .arg((decodeBytes + (1 << 20) - 1) >> 20)
            .arg(Limits.AllocationLimitMb));
  if (use.Grid && !PictureGeometry(stored, *use.Grid))
    return TDecodedPicture::Refused(TPictureFault::SmallerThanGrid, WhyNoCells(stored, *use.Grid));
  return std::nullopt;
}

TDecodedPicture TPictureDecoder::DecodeBmp(QIODevice &device, qint64 size,
                                           const TPictureUse &use) const {
  const TBmpHeader header = TBmpHeader::Read(device.peek(TBmpHeader::MaxHeadBytes), size);
  if (header.Verdict == TBmpHeader::Unsupported)
    return TDecodedPicture::Refused(
        TPictureFault::UnknownType,
        QStringLiteral("its picture is of an unknown type (%1)").arg(header.Problem));
  if (!header.IsUsable())
    return TDecodedPicture::DamagedBecause(header.Problem);
  const QSize pixels = header.Size;
  if (auto refused =
          CheckSize(pixels, qint64(pixels.width()) * pixels.height() * BytesPerPixel, use))
    return *refused;

  QImageReader reader(&device, "bmp");
  // The type is known: guessing would load every image plugin installed and let one of them,
  // not the reader checked above, take the picture.
  reader.setAutoDetectImageFormat(false);
  QImageReader::setAllocationLimit(Limits.AllocationLimitMb);
  TDecodedPicture picture;
  picture.StoredSize = pixels;
  // Run-length data may skip pixels and Qt leaves those unset: decode into a
  // cleared image of the format Qt picks for 4- and 8-bit pictures, which Qt
  // then reuses.
  if (header.RunLength) {
    picture.Image = QImage(pixels, QImage::Format_Indexed8);
    picture.Image.fill(0);
  }
  if (!reader.read(&picture.Image))
    return TDecodedPicture::DamagedBecause(reader.errorString());
  FillColourTable(picture.Image);
  return picture;
}

#include "builder/PictureImport.h"

#include "gamefile/PictureType.h"
#include "pictures/JpegUpright.h"
#include "pictures/PictureDecoder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <optional>

namespace {

// A picture beyond this many pixels is refused before it is decoded (about 200 MB as 32 bits).
constexpr qint64 MaxPixels = 50'000'000;
constexpr int JpegQuality = 90;
constexpr QSize ProofSize(64, 64);

struct TTaken {
  QString File;
  QString Problem;
};

QString FreeName(const QDir &dir, const QString &base, const QString &suffix) {
  QString name = base + '.' + suffix;
  for (int n = 2; dir.exists(name); ++n)
    name = QStringLiteral("%1-%2.%3").arg(base).arg(n).arg(suffix);
  return dir.filePath(name);
}

// The game's pictures have no alpha channel. Transparent parts are laid on white, as viewers and
// documents show them: pictures with transparency (logos, drawings) are mostly drawn for a light
// page, and their dark lines would be lost on black.
QImage OnWhite(const QImage &image) {
  QImage flat(image.size(), QImage::Format_RGB32);
  flat.fill(Qt::white);
  QPainter p(&flat);
  p.drawImage(0, 0, image);
  return flat;
}

// The picture as an 8-bit indexed one with the very same pixels, when it has 256 colours or
// fewer.
std::optional<QImage> ExactlyIndexed(const QImage &flat) {
  QHash<QRgb, int> index;
  QImage indexed(flat.size(), QImage::Format_Indexed8);
  for (int y = 0; y < flat.height(); ++y) {
    const auto *line = reinterpret_cast<const QRgb *>(flat.constScanLine(y));
    uchar *out = indexed.scanLine(y);
    for (int x = 0; x < flat.width(); ++x) {
      auto found = index.constFind(line[x]);
      if (found == index.constEnd()) {
        if (index.size() == 256)
          return std::nullopt;
        found = index.insert(line[x], int(index.size()));
      }
      out[x] = uchar(*found);
    }
  }
  QList<QRgb> table(index.size());
  for (auto it = index.constBegin(); it != index.constEnd(); ++it)
    table[it.value()] = it.key();
  indexed.setColorTable(table);
  return indexed;
}

QByteArray Encoded(const QImage &image, const char *format, int quality = -1) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  return image.save(&buffer, format, quality) ? bytes : QByteArray();
}

// A JPEG or BMP goes into the game as it is (a JPEG upright), once the game's own decoder has
// read it; named as the game wants it, or copied to such a name.
TTaken TakeStorable(const QString &file, const QByteArray &format, const QDir &dir) {
  const QFileInfo info(file);
  // Decoded as the game decodes it, so that what the game would refuse is refused here, and
  // at a small size, which proves a JPEG whole without the cost of a full decode.
  QString why;
  if (ReadPictureFitted(file, ProofSize, &why).isNull())
    return {{}, QCoreApplication::translate("PictureImport", "cannot be decoded (%1)").arg(why)};
  const QString wanted = format == "jpeg" ? QStringLiteral("jpg") : QStringLiteral("bmp");
  if (format == "jpeg") {
    // A phone's portrait photo, stored turned, goes into the game upright.
    const TResult<QString> upright =
        UprightJpegFile(file, FreeName(dir, info.completeBaseName(), wanted));
    if (!upright.Ok())
      return {{}, upright.Error()};
    if (upright.Value() != file)
      return {upright.Value(), {}};
  }
  if (info.suffix().toLower() == wanted)
    return {file, {}};
  const QString copy = FreeName(dir, info.completeBaseName(), wanted);
  if (!QFile::copy(file, copy))
    return {{},
            QCoreApplication::translate("PictureImport", "cannot be copied to %1").arg(dir.path())};
  return {copy, {}};
}

// Any other format Qt reads is converted to what keeps it for the fewest bytes: a JPEG, or an
// 8-bit BMP of exactly its pixels when it has few colours (a drawing, a logo) and that is smaller.
TTaken Convert(QImageReader &reader, const QFileInfo &info, const QDir &dir) {
  const QImage image = reader.read();
  if (image.isNull())
    return {{},
            QCoreApplication::translate("PictureImport", "cannot be decoded (%1)")
                .arg(reader.errorString())};
  const QImage flat = OnWhite(image);
  QByteArray bytes = Encoded(flat, "JPEG", JpegQuality);
  QString suffix = QStringLiteral("jpg");
  if (const std::optional<QImage> indexed = ExactlyIndexed(flat)) {
    const QByteArray bmp = Encoded(*indexed, "BMP");
    if (!bmp.isEmpty() && (bytes.isEmpty() || bmp.size() < bytes.size())) {
      bytes = bmp;
      suffix = QStringLiteral("bmp");
    }
  }
  const QString converted = FreeName(dir, info.completeBaseName(), suffix);
  QFile out(converted);
  if (bytes.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() ||
      !out.flush()) {
    out.remove();
    return {{},
            QCoreApplication::translate("PictureImport", "cannot be converted into %1")
                .arg(dir.path())};
  }
  return {converted, {}};
}

TTaken Take(const QString &file, const QDir &dir) {
  const QFileInfo info(file);
  if (!info.isFile())
    return {{}, QCoreApplication::translate("PictureImport", "no such file")};
  QImageReader reader(file);
  reader.setDecideFormatFromContent(true);
  // A converted picture is stored as it is meant to be seen (a TIFF or WebP may say it is
  // turned), as a JPEG is below.
  reader.setAutoTransform(true);
  const QByteArray format = reader.format();
  if (format.isEmpty())
    return {{},
            QCoreApplication::translate("PictureImport", "not a picture format that can be read")};
  const QSize size = reader.size();
  if (size.isValid() && qint64(size.width()) * size.height() > MaxPixels)
    return {{},
            QCoreApplication::translate("PictureImport", "too large (%1 x %2 pixels)")
                .arg(size.width())
                .arg(size.height())};
  if (format == "jpeg" || format == "bmp")
    return TakeStorable(file, format, dir);
  return Convert(reader, info, dir);
}

} // namespace

QImage ReadPictureFitted(const QString &file, QSize box, QString *why, QSize *pictureSize) {
  // By its first bytes, as the builder takes pictures: a JPEG named .bmp is still a JPEG.
  QFile in(file);
  const QByteArray head = in.open(QIODevice::ReadOnly) ? in.read(3) : QByteArray();
  in.close();
  const quint8 type = head.startsWith("\xFF\xD8\xFF") ? quint8(PictureJpeg)
                      : head.startsWith("BM")         ? quint8(PictureBmp)
                                                      : PictureTypeOfFileName(file);
  TPictureUse use;
  use.ShownSize = [box](QSize stored) { return stored.scaled(box, Qt::KeepAspectRatio); };
  const TDecodedPicture picture = TPictureDecoder().DecodeFile(file, type, use);
  if (!picture.Ok()) {
    if (why) { // "its picture is damaged (...)" of a level; here the file is named already
      *why = picture.Reason;
      if (why->startsWith(u"its "))
        why->replace(0, 3, QStringLiteral("the"));
    }
    return {};
  }
  if (pictureSize)
    *pictureSize = picture.StoredSize;
  return picture.Image.scaled(
      picture.StoredSize.scaled(box, Qt::KeepAspectRatio).expandedTo({1, 1}), Qt::IgnoreAspectRatio,
      Qt::SmoothTransformation);
}

TImportedPictures ImportPictures(const QStringList &files, const QString &folder) {
  TImportedPictures result;
  QDir dir(folder);
  dir.mkpath(QStringLiteral("."));
  for (const QString &file : files) {
    const TTaken taken = Take(file, dir);
    if (taken.Problem.isEmpty())
      result.Files << taken.File;
    else
      //: A picture that was not added: its file name and why
      result.Skipped << QCoreApplication::translate("PictureImport", "%1: %2")
                            .arg(QFileInfo(file).fileName(), taken.Problem);
  }
  return result;
}

QString SkippedPicturesText(const QStringList &skipped) {
  if (skipped.isEmpty())
    return QString();
  const QString head =
      skipped.size() == 1
          ? QCoreApplication::translate("PictureImport", "This picture was not added:")
          : QCoreApplication::translate("PictureImport", "These pictures were not added:");
  return head + "\n\n" + skipped.join('\n');
}

#include "builder/PictureImport.h"

#include "gamefile/PictureType.h"
#include "pictures/JpegUpright.h"
#include "pictures/PictureDecoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>

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

bool HasTransparency(const QImage &image) {
  if (!image.hasAlphaChannel())
    return false;
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y) {
    const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x)
      if (qAlpha(line[x]) < 255)
        return true;
  }
  return false;
}

// The game's BMP pictures have no alpha channel: transparent parts are laid on black, the
// game's background, exactly (JPEG would blur their edges).
QImage OnBlack(const QImage &image) {
  QImage flat(image.size(), QImage::Format_RGB32);
  flat.fill(Qt::black);
  QPainter p(&flat);
  p.drawImage(0, 0, image);
  return flat;
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

// Any other format Qt reads is converted: to BMP where it is transparent, else to JPEG.
TTaken Convert(QImageReader &reader, const QFileInfo &info, const QDir &dir) {
  const QImage image = reader.read();
  if (image.isNull())
    return {{},
            QCoreApplication::translate("PictureImport", "cannot be decoded (%1)")
                .arg(reader.errorString())};
  const bool transparent = HasTransparency(image);
  const QString converted = FreeName(dir, info.completeBaseName(),
                                     transparent ? QStringLiteral("bmp") : QStringLiteral("jpg"));
  const bool written =
      transparent
          ? OnBlack(image).save(converted, "BMP")
          : image.convertToFormat(QImage::Format_RGB32).save(converted, "JPEG", JpegQuality);
  if (!written) {
    QFile::remove(converted);
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

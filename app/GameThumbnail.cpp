#include "app/GameThumbnail.h"

#include "gamefile/GameFileLayout.h"
#include "gamefile/GameFileReader.h"
#include "pictures/PictureDecoder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QStandardPaths>

QString DefaultThumbnailFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
         "/quarrybox/thumbnails";
}

QString TGameThumbnails::CachePath(const QString &gamePath) const {
  const QFileInfo game(gamePath);
  if (Folder.isEmpty() || !game.isFile())
    return QString();
  const QByteArray key = QFile::encodeName(game.canonicalFilePath()) + '\n' +
                         QByteArray::number(game.size()) + '\n' +
                         QByteArray::number(game.lastModified().toMSecsSinceEpoch()) + '\n' +
                         QByteArray::number(Box.width()) + 'x' + QByteArray::number(Box.height());
  return Folder + '/' + QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex() + ".png";
}

TResult<QImage> TGameThumbnails::Thumbnail(const QString &gamePath) const {
  const QString cached = CachePath(gamePath);
  if (!cached.isEmpty() && QFileInfo(cached).isFile()) {
    QImageReader reader(cached, "png");
    reader.setAutoDetectImageFormat(false);
    if (const QImage image = reader.read();
        !image.isNull() && image.width() <= Box.width() && image.height() <= Box.height())
      return image;
  }
  TResult<QImage> made = Make(gamePath);
  if (made.Ok() && !cached.isEmpty() && QDir().mkpath(Folder)) {
    // A cache that cannot be written only costs the next decode.
    QSaveFile file(cached);
    if (file.open(QIODevice::WriteOnly) && made.Value().save(&file, "png"))
      file.commit();
  }
  return made;
}

TResult<QImage> TGameThumbnails::Make(const QString &gamePath) const {
  TResult<TGameFileReader> reader = TGameFileReader::Open(gamePath);
  if (!reader.Ok())
    return reader.Status();
  const TResult<TGameHeader> header = reader->ReadHeader();
  if (!header.Ok())
    return header.Status();
  const TResult<TRecordInfo> record =
      reader->ReadRecord(header.Value(), GameFileLayout::SkinRecord(SkinStart));
  if (!record.Ok())
    return record.Status();
  if (const TStatus usable = reader->CheckPicture(record.Value()); !usable.Ok())
    return usable;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (const TStatus copied = reader->CopyPicture(record.Value(), buffer, "thumbnail"); !copied.Ok())
    return copied;
  TPictureUse use;
  const QSize box = Box;
  use.ShownSize = [box](QSize stored) { return stored.scaled(box, Qt::KeepAspectRatio); };
  const TDecodedPicture picture = TPictureDecoder().Decode(bytes, record->Type, use);
  if (!picture.Ok())
    return TStatus::Failure(
        QCoreApplication::translate("GameThumbnail", "The title picture cannot be shown: %1")
            .arg(picture.Reason));
  return picture.Image.scaled(Box, Qt::KeepAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

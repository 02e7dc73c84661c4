#include "tools/assetgen/AssetFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

TAssetFolder::TAssetFolder(const QString &path) : Path(path) {}

bool TAssetFolder::Prepare() {
  if (QDir().mkpath(Path))
    return true;
  Failures << QStringLiteral("cannot create the folder %1").arg(Path);
  return false;
}

QString TAssetFolder::FilePath(const QString &name) const { return QDir(Path).filePath(name); }

void TAssetFolder::SaveImage(const QString &name, const QImage &image, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, QFileInfo(name).suffix().toLower().toLatin1());
  if (writer.format() == "jpg")
    writer.setQuality(quality);
  if (!writer.write(image)) {
    Failures << QStringLiteral("cannot encode %1: %2").arg(name, writer.errorString());
    return;
  }
  SaveBytes(name, bytes);
}

void TAssetFolder::SaveBytes(const QString &name, const QByteArray &bytes) {
  // QSaveFile renames only after a complete write, so a failure keeps the previous file; its
  // commit() is not trusted alone on a full disk, hence the explicit write and flush checks.
  QDir().mkpath(QFileInfo(FilePath(name)).absolutePath());
  QSaveFile file(FilePath(name));
  if (!file.open(QIODevice::WriteOnly)) {
    Failures << QStringLiteral("cannot create %1: %2").arg(file.fileName(), file.errorString());
    return;
  }
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    Failures << QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString());
    file.cancelWriting();
    return;
  }
  if (!file.commit())
    Failures << QStringLiteral("cannot save %1: %2").arg(file.fileName(), file.errorString());
}

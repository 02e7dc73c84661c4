#include "gamefile/GameSource.h"

#include <QCoreApplication>
#include <QFileInfo>

TGameSource TGameSource::Range(QString path, qint64 base, qint64 size) {
  TGameSource source(std::move(path));
  source.HasRange = true;
  source.RangeBase = base;
  source.RangeSize = size;
  return source;
}

QString TGameSource::Name() const {
  const QString fileName = QFileInfo(FilePath).fileName();
  if (!IsRange())
    return fileName;
  //: A stand-alone game: the program's file name, and the byte of it where the game starts
  return QCoreApplication::translate("GameFile", "%1 (game at byte %2)")
      .arg(fileName)
      .arg(RangeBase);
}

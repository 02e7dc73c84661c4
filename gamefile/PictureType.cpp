#include "gamefile/PictureType.h"

quint8 PictureTypeOfFileName(const QString &fileName) {
  const QString last3 = fileName.right(3).toUpper();
  if (last3 == u"JPG")
    return PictureJpeg;
  if (last3 == u"BMP")
    return PictureBmp;
  return PictureNone;
}

bool IsKnownPictureType(quint8 type) { return type == PictureJpeg || type == PictureBmp; }

QString PictureExtension(quint8 type) {
  switch (type) {
  case PictureJpeg:
    return QStringLiteral(".jpg");
  case PictureBmp:
    return QStringLiteral(".bmp");
  default:
    return {};
  }
}

#pragma once
// Picture type codes as stored in a game file. A game file never decodes its pictures; the code
// only decides the extension of the file the bytes are copied into.

#include <QString>

enum TPictureType : quint8 {
  PictureNone = 0,
  PictureJpeg = 1,
  PictureBmp = 2,
};

// Type from the last three characters of a file name, upper-cased: "JPG" is JPEG, "BMP" is BMP,
// anything else PictureNone (so "photo.jpeg" is not a JPEG here).
quint8 PictureTypeOfFileName(const QString &fileName);

bool IsKnownPictureType(quint8 type);

// ".jpg" or ".bmp"; empty for an unknown type.
QString PictureExtension(quint8 type);

#pragma once
// Pictures as a game file can hold them. A game stores JPEG and BMP only, so a JPEG or BMP is
// taken as it is (copied under a .jpg or .bmp name when its own name says otherwise), and any
// other picture Qt can read (PNG, WebP, the first frame of a GIF, TIFF, ...) is converted when
// it is added: to JPEG at quality 90, or to an 8-bit BMP of exactly its pixels when it has at
// most 256 colours and that takes fewer bytes. Transparent parts are laid on white. Files that
// cannot be taken are listed with the reason.

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

struct TImportedPictures {
  QStringList Files;   // in the order given; each ends in .jpg or .bmp
  QStringList Skipped; // "file name: reason", one a file
};

// Converted and renamed copies are written into `folder`, which is created when needed.
TImportedPictures ImportPictures(const QStringList &files, const QString &folder);

// A JPEG or BMP (by its first bytes, else by its name) decoded with the
// game's limits and fitted into `box`, keeping its shape; a JPEG is decoded at the smallest DCT
// scale that covers the fit, and upright as its EXIF orientation says. Null when the game could
// not use it, with the reason in `why`; `pictureSize` gets the whole picture's upright size.
QImage ReadPictureFitted(const QString &file, QSize box, QString *why = nullptr,
                         QSize *pictureSize = nullptr);

// One text naming every skipped file and why; empty when nothing was skipped.
QString SkippedPicturesText(const QStringList &skipped);

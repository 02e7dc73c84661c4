#pragma once
// The orientation a camera records in a JPEG's EXIF block (tag 0x0112 of the first image
// directory): how the stored pixels must be turned or mirrored to show the picture upright.
// Phones store a portrait photo as a landscape one with orientation 6. The block comes from
// any file at all, so every offset in it is checked against its length; anything damaged,
// missing or unknown reads as 1, the pixels as they are stored.

#include <QImage>
#include <QSize>
#include <QtGlobal>

namespace ExifOrientation {

// As stored (1); mirrored left-right (2); turned half round (3); mirrored top-bottom (4);
// mirrored across the main diagonal (5); to be turned a quarter clockwise (6); mirrored across
// the other diagonal (7); to be turned a quarter anticlockwise (8).
constexpr int AsStored = 1;

// Whether the body of an APP1 marker segment (after its length) is an EXIF block: "Exif\0\0"
// and a TIFF block. Other APP1 segments (XMP) are not. The first EXIF block is the camera's.
bool IsExifSegment(const uchar *data, qsizetype size);
// The orientation of such a body.
int FromExifSegment(const uchar *data, qsizetype size);
// A whole JPEG file, or its head: the first EXIF segment before the first scan.
int FromJpeg(const uchar *data, qsizetype size);

// Orientations 5 to 8 swap width and height.
bool SwapsSides(int orientation);
QSize UprightSize(QSize stored, int orientation);
// The stored pixels turned and mirrored as the orientation says.
QImage Upright(const QImage &stored, int orientation);

} // namespace ExifOrientation

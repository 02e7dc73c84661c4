// The EXIF orientation as phones write it, and what a damaged or hostile block reads as.
#include "pictures/ExifOrientation.h"
#include "tests/support/ExifJpeg.h"

#include <gtest/gtest.h>

namespace {

int OfSegment(const QByteArray &body) {
  return ExifOrientation::FromExifSegment(reinterpret_cast<const uchar *>(body.constData()),
                                          body.size());
}
int OfJpeg(const QByteArray &jpeg) {
  return ExifOrientation::FromJpeg(reinterpret_cast<const uchar *>(jpeg.constData()), jpeg.size());
}

// The byte at `at` of the TIFF block (after "Exif\0\0") set to `value`.
QByteArray Patched(QByteArray body, int at, char value) {
  body[6 + at] = value;
  return body;
}

} // namespace

TEST(ExifOrientationTest, ReadsEachOrientationInBothByteOrdersFromTheSegmentAndTheFile) {
  const QByteArray jpeg = ExifJpeg::Encode(ExifJpeg::Quarters({32, 16}));
  for (int orientation = 1; orientation <= 8; ++orientation)
    for (bool bigEndian : {false, true}) {
      const QByteArray body = ExifJpeg::Segment(orientation, bigEndian);
      EXPECT_EQ(OfSegment(body), orientation) << bigEndian;
      EXPECT_EQ(OfJpeg(ExifJpeg::WithApp1(jpeg, body)), orientation) << bigEndian;
    }
  EXPECT_EQ(OfJpeg(jpeg), 1); // no EXIF block at all
  // An XMP block, also APP1, before the EXIF one is passed over.
  const QByteArray xmp("http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>", 42);
  EXPECT_EQ(OfJpeg(ExifJpeg::WithApp1(ExifJpeg::WithApp1(jpeg, ExifJpeg::Segment(6)), xmp)), 6);
  // Only the first EXIF block counts, even when it says the pixels are as stored.
  EXPECT_EQ(OfJpeg(ExifJpeg::WithApp1(ExifJpeg::WithApp1(jpeg, ExifJpeg::Segment(6)),
                                      ExifJpeg::Segment(1))),
            1);
}

TEST(ExifOrientationTest, DamagedOrHostileBlocksReadAsStored) {
  const QByteArray good = ExifJpeg::Segment(6);
  // Cut anywhere before the end of the orientation entry (TIFF bytes 8 + 2 + 2 * 12).
  for (int size = 0; size < 6 + 8 + 2 + 24; ++size)
    EXPECT_EQ(OfSegment(good.left(size)), 1) << size;
  EXPECT_EQ(OfSegment(Patched(good, 0, 'X')), 1);            // byte order neither II nor MM
  EXPECT_EQ(OfSegment(Patched(good, 2, 43)), 1);             // not TIFF's 42
  EXPECT_EQ(OfSegment(Patched(good, 7, char(0xFF))), 1);     // directory far past the end
  EXPECT_EQ(OfSegment(Patched(good, 4, char(0xFA))), 1);     // ... or just past it
  EXPECT_EQ(OfSegment(Patched(good, 8 + 2 + 12 + 2, 4)), 1); // LONG, not SHORT
  EXPECT_EQ(OfSegment(Patched(good, 8 + 2 + 12 + 4, 2)), 1); // two values
  EXPECT_EQ(OfSegment(Patched(good, 8 + 2 + 12 + 8, 9)), 1); // no such orientation
  EXPECT_EQ(OfSegment(Patched(good, 8 + 2 + 12 + 8, 0)), 1);
  EXPECT_EQ(OfSegment(QByteArray("Exig\0\0", 6) + good.mid(6)), 1); // not EXIF
  // A file whose APP1 length runs past its end, or that ends inside a marker.
  const QByteArray jpeg = ExifJpeg::WithApp1(ExifJpeg::Encode(ExifJpeg::Quarters({16, 16})), good);
  QByteArray overlong = jpeg;
  overlong[4] = char(0x7F);
  EXPECT_EQ(OfJpeg(overlong), 1);
  for (int size = 0; size < 4 + 2 + good.size(); ++size)
    EXPECT_EQ(OfJpeg(jpeg.left(size)), 1) << size;
}

// Turning the stored pixels back gives the picture exactly, for every orientation.
TEST(ExifOrientationTest, UprightUndoesWhatTheCameraStored) {
  QImage upright(6, 4, QImage::Format_RGB32); // every pixel different
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x)
      upright.setPixel(x, y, qRgb(40 * x, 60 * y, 10 * (x + 6 * y)));
  for (int orientation = 1; orientation <= 8; ++orientation) {
    const QImage stored = ExifJpeg::StoredFor(upright, orientation);
    EXPECT_EQ(ExifOrientation::UprightSize(stored.size(), orientation), upright.size());
    EXPECT_EQ(ExifOrientation::Upright(stored, orientation), upright) << orientation;
  }
}

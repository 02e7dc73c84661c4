// A phone photo stored turned is decoded upright, at full and at reduced (DCT-scaled) size, and
// its size, as the cells and limits see it, is the upright one.
#include "gamefile/PictureType.h"
#include "pictures/PictureDecoder.h"
#include "rules/PictureGeometry.h"
#include "tests/support/ExifJpeg.h"

#include <gtest/gtest.h>

TEST(PictureOrientation, EveryOrientationDecodesUprightAtFullSize) {
  const QImage upright = ExifJpeg::Quarters({64, 48});
  for (int orientation = 1; orientation <= 8; ++orientation) {
    const TDecodedPicture picture =
        TPictureDecoder().Decode(ExifJpeg::PhoneJpeg(upright, orientation), PictureJpeg);
    ASSERT_TRUE(picture.Ok()) << picture.Reason.toStdString();
    EXPECT_EQ(picture.StoredSize, QSize(64, 48)) << orientation;
    EXPECT_EQ(picture.Image.size(), QSize(64, 48)) << orientation;
    EXPECT_TRUE(ExifJpeg::ShowsQuartersUpright(picture.Image)) << orientation;
  }
  // As the builder reads it: the first EXIF block (here "as stored") rules, not a later one.
  const QByteArray twoBlocks = ExifJpeg::WithApp1(
      ExifJpeg::WithApp1(ExifJpeg::Encode(upright), ExifJpeg::Segment(6)), ExifJpeg::Segment(1));
  const TDecodedPicture picture = TPictureDecoder().Decode(twoBlocks, PictureJpeg);
  EXPECT_EQ(picture.StoredSize, QSize(64, 48));
  EXPECT_TRUE(ExifJpeg::ShowsQuartersUpright(picture.Image));
}

// Portrait 480 x 640, stored as 640 x 480 with orientation 6 (or 8). Shown in a 60 x 80 box it
// is decoded at 1/8 of the stored size (80 x 60) and turned; the shown size is asked of the
// upright size.
TEST(PictureOrientation, ReducedSizeDecodesAreUprightAndTheScaleIsChosenForTheUprightSize) {
  const QImage upright = ExifJpeg::Quarters({480, 640});
  for (int orientation : {6, 8}) {
    QSize asked;
    TPictureUse use;
    use.ShownSize = [&asked](QSize stored) {
      asked = stored;
      return stored.scaled(60, 80, Qt::KeepAspectRatio);
    };
    const TDecodedPicture picture =
        TPictureDecoder().Decode(ExifJpeg::PhoneJpeg(upright, orientation), PictureJpeg, use);
    ASSERT_TRUE(picture.Ok()) << picture.Reason.toStdString();
    EXPECT_EQ(asked, QSize(480, 640));
    EXPECT_EQ(picture.StoredSize, QSize(480, 640));
    EXPECT_EQ(picture.Image.size(), QSize(60, 80)) << orientation;
    EXPECT_TRUE(ExifJpeg::ShowsQuartersUpright(picture.Image)) << orientation;
  }
}

// A tall picture's cells are measured on its upright shape: the level's picture is taller than
// wide, as the player sees it.
TEST(PictureOrientation, ALevelIsCutAndShownByItsUprightShape) {
  const QByteArray jpeg = ExifJpeg::PhoneJpeg(ExifJpeg::Quarters({240, 320}), 6);
  const TDecodedPicture picture =
      TPictureDecoder().Decode(jpeg, PictureJpeg, TPictureUse::Level(40));
  ASSERT_TRUE(picture.Ok()) << picture.Reason.toStdString();
  const auto geometry = PictureGeometry(picture.StoredSize, 40);
  ASSERT_TRUE(geometry);
  EXPECT_LT(geometry->Width, geometry->Height);
  EXPECT_GE(picture.Image.width(), geometry->Width);
  EXPECT_GE(picture.Image.height(), geometry->Height);
  EXPECT_TRUE(ExifJpeg::ShowsQuartersUpright(picture.Image));
}

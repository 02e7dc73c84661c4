// Turning a phone photo upright before it goes into a game: losslessly when its size allows,
// else decoded and encoded again; the result has no orientation left to apply.
#include "pictures/JpegUpright.h"
#include "gamefile/PictureType.h"
#include "pictures/ExifOrientation.h"
#include "pictures/PictureDecoder.h"
#include "tests/support/ExifJpeg.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QImage Decoded(const QByteArray &jpeg) { return TPictureDecoder().Decode(jpeg, PictureJpeg).Image; }

int OrientationOf(const QByteArray &jpeg) {
  return ExifOrientation::FromJpeg(reinterpret_cast<const uchar *>(jpeg.constData()), jpeg.size());
}

// The largest difference of any channel of any pixel.
int LargestDifference(const QImage &a, const QImage &b) {
  int largest = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      largest = std::max({largest, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)),
                          qAbs(qBlue(p) - qBlue(q))});
    }
  return largest;
}

} // namespace

// 64 x 48 is whole 16 x 16 blocks (Qt writes 4:2:0), so every turn is lossless: the pixels are
// those of the original decoded and turned, but for the rounding of chroma upsampling (2 levels
// measured; a wrong turn differs by 200).
TEST(JpegUpright, WholeBlocksTurnLosslesslyAndLeaveNoOrientation) {
  const QImage upright = ExifJpeg::Quarters({64, 48});
  for (int orientation = 2; orientation <= 8; ++orientation) {
    const QByteArray phone = ExifJpeg::PhoneJpeg(upright, orientation);
    const TResult<TUprightJpeg> turned = UprightJpeg(phone, orientation);
    ASSERT_TRUE(turned.Ok()) << turned.Error().toStdString();
    EXPECT_EQ(turned->Way, TUprightWay::Lossless) << orientation;
    EXPECT_EQ(OrientationOf(turned->Bytes), 1);
    EXPECT_FALSE(turned->Bytes.contains(QByteArray("Exif\0\0", 6))) << orientation;
    const QImage result = Decoded(turned->Bytes);
    ASSERT_EQ(result.size(), QSize(64, 48));
    EXPECT_LE(LargestDifference(result, Decoded(phone)), 4) << orientation;
  }
}

// 70 x 50 ends in part blocks, which a quarter turn would have to move to the top or left: the
// picture is encoded again instead of losing its edge (at quality 95: 10 levels measured at the
// quarters' sharp edges).
TEST(JpegUpright, PartBlocksAreEncodedAgainWholeRatherThanTrimmed) {
  const QByteArray phone = ExifJpeg::PhoneJpeg(ExifJpeg::Quarters({50, 70}), 6);
  const TResult<TUprightJpeg> turned = UprightJpeg(phone, 6);
  ASSERT_TRUE(turned.Ok()) << turned.Error().toStdString();
  EXPECT_EQ(turned->Way, TUprightWay::Reencoded);
  EXPECT_EQ(OrientationOf(turned->Bytes), 1);
  const QImage result = Decoded(turned->Bytes);
  ASSERT_EQ(result.size(), QSize(50, 70));
  EXPECT_LE(LargestDifference(result, Decoded(phone)), 16);
  EXPECT_TRUE(ExifJpeg::ShowsQuartersUpright(result));
}

TEST(JpegUpright, OnlyATurnedFileIsCopiedAndADamagedOneIsRefused) {
  QTemporaryDir dir;
  const auto write = [&dir](const QString &name, const QByteArray &bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
  };
  const QImage picture = ExifJpeg::Quarters({64, 48});
  const QString plain = write("plain.jpg", ExifJpeg::PhoneJpeg(picture, 1));
  const QString copy = dir.filePath("copy.jpg");
  EXPECT_EQ(UprightJpegFile(plain, copy).Value(), plain);
  EXPECT_FALSE(QFile::exists(copy));

  const QByteArray phone = ExifJpeg::PhoneJpeg(picture, 8);
  const QString turned = write("turned.jpg", phone);
  EXPECT_EQ(UprightJpegFile(turned, copy).Value(), copy);
  QFile made(copy);
  ASSERT_TRUE(made.open(QIODevice::ReadOnly));
  EXPECT_TRUE(ExifJpeg::ShowsQuartersUpright(Decoded(made.readAll())));

  // Cut off before its frame header: neither a lossless turn nor a decode finds a picture.
  const QString cut = write("cut.jpg", phone.left(4 + 2 + ExifJpeg::Segment(8).size() + 20));
  const TResult<QString> refused = UprightJpegFile(cut, dir.filePath("cut-copy.jpg"));
  EXPECT_FALSE(refused.Ok());
  EXPECT_TRUE(refused.Error().startsWith("cannot be turned upright ("))
      << refused.Error().toStdString();
  EXPECT_FALSE(QFile::exists(dir.filePath("cut-copy.jpg")));
}

// Checked picture decoding: what decodes, and the reason given for each picture
// that cannot be used. The BMPs are put together byte by byte, as a hostile
// game would.
#include "play/PictureDecoder.h"

#include "gamefile/PictureType.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray Encoded(const QImage &image, const char *format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, format));
  return bytes;
}

QImage Filled(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(qRgb(10, 120, 200));
  return image;
}

void Put16(QByteArray &b, int at, quint16 v) { qToLittleEndian(v, b.data() + at); }
void Put32(QByteArray &b, int at, quint32 v) { qToLittleEndian(v, b.data() + at); }

// A BMP with a 40-byte info header; palette entries as 0x00RRGGBB, pixel data
// as given.
QByteArray Bmp(qint32 width, qint32 height, int bits, quint32 compression, quint32 coloursUsed,
               const QList<quint32> &palette, const QByteArray &data) {
  QByteArray b(54, '\0');
  b[0] = 'B';
  b[1] = 'M';
  const int dataAt = 54 + 4 * int(palette.size());
  Put32(b, 2, quint32(dataAt + data.size()));
  Put32(b, 10, quint32(dataAt));
  Put32(b, 14, 40);
  Put32(b, 18, quint32(width));
  Put32(b, 22, quint32(height));
  Put16(b, 26, 1);
  Put16(b, 28, quint16(bits));
  Put32(b, 30, compression);
  Put32(b, 46, coloursUsed);
  for (quint32 entry : palette)
    b.append(reinterpret_cast<const char *>(&entry),
             4); // little-endian B, G, R, 0
  return b + data;
}

TDecodedPicture Decode(const QByteArray &bytes, quint8 type, int grid = 0,
                       TPictureLimits limits = {}) {
  return TPictureDecoder(limits).Decode(bytes, type, grid);
}

} // namespace

TEST(PictureDecoder, DecodesJpegAndBmpAtTheirSize) {
  for (const auto &[format, type] : {std::pair{"JPG", PictureJpeg}, std::pair{"BMP", PictureBmp}}) {
    const TDecodedPicture picture = Decode(Encoded(Filled(90, 70), format), type, 30);
    ASSERT_TRUE(picture.Ok()) << format << ": " << picture.Reason.toStdString();
    EXPECT_EQ(picture.Image.size(), QSize(90, 70));
    EXPECT_TRUE(picture.Reason.isEmpty());
  }
}

TEST(PictureDecoder, TooBigSaysWhichLimitWasHit) {
  // A run-length BMP claims 10000 x 10000 pixels in a few bytes: refused from
  // its header.
  const QByteArray bomb = Bmp(10000, 10000, 8, 1, 0, QList<quint32>(256), QByteArray("\0\1", 2));
  TDecodedPicture picture = Decode(bomb, PictureBmp);
  EXPECT_EQ(picture.Fault, TPictureFault::TooBig);
  EXPECT_EQ(picture.Reason, "its picture is too big (10000 x 10000 pixels, the "
                            "limit is 64 megapixels)");
  EXPECT_TRUE(picture.Image.isNull());

  const QByteArray jpeg = Encoded(Filled(1000, 300), "JPG");
  picture = Decode(jpeg, PictureJpeg, 0, {.MaxPixels = 1 << 20, .AllocationLimitMb = 1});
  EXPECT_EQ(picture.Fault, TPictureFault::TooBig);
  EXPECT_EQ(picture.Reason, "its picture is too big (decoding needs 2 MB, the limit is 1 MB)");

  picture = Decode(jpeg, PictureJpeg, 0, {.MaxBytes = jpeg.size() - 1});
  EXPECT_EQ(picture.Fault, TPictureFault::TooBig);
  EXPECT_TRUE(picture.Reason.contains(QString::number(jpeg.size()) + " bytes"));
}

TEST(PictureDecoder, PictureSmallerThanItsGridIsNamedOnlyWhenAGridIsGiven) {
  const QByteArray small = Encoded(Filled(20, 30), "BMP");
  const TDecodedPicture picture = Decode(small, PictureBmp, 44);
  EXPECT_EQ(picture.Fault, TPictureFault::SmallerThanGrid);
  EXPECT_EQ(picture.Reason, "its picture (20 x 30 pixels) is smaller than its "
                            "grid of 44-pixel cells");
  EXPECT_TRUE(Decode(small, PictureBmp).Ok());
}

TEST(PictureDecoder, DamagedPicturesAreRefusedWithWhatIsWrong) {
  const QByteArray row(4, '\0'); // one 8-bit row of 3 pixels, padded
  const struct {
    const char *Name;
    QByteArray Bytes;
    const char *Detail;
  } damaged[] = {
      {"colour table larger than 8 bits can index", Bmp(3, 1, 8, 0, 300, {}, row),
       "a colour table of 300 entries"},
      {"colour table past the end", Bmp(3, 1, 8, 0, 16, {}, {}), "lies outside the file"},
      {"pixel rows cut short", Bmp(3, 4, 8, 0, 1, {0}, row), "pixel data is cut short"},
      {"no width", Bmp(0, 4, 24, 0, 0, {}, row), "a size of 0 x 4 pixels"},
      {"header cut short", Bmp(3, 1, 24, 0, 0, {}, row).left(30), "header runs past its end"},
      {"JPEG without a frame header", QByteArray("\xFF\xD8\xFF\xE0 no picture", 15),
       "no readable JPEG header"},
  };
  for (const auto &row : damaged) {
    const quint8 type = row.Bytes.startsWith("BM") ? PictureBmp : PictureJpeg;
    const TDecodedPicture picture = Decode(row.Bytes, type);
    EXPECT_EQ(picture.Fault, TPictureFault::Damaged) << row.Name;
    EXPECT_TRUE(picture.Reason.startsWith("its picture is damaged (")) << row.Name;
    EXPECT_TRUE(picture.Reason.contains(row.Detail))
        << row.Name << ": " << picture.Reason.toStdString();
  }
}

TEST(PictureDecoder, UnknownTypesAreNamedAsSuch) {
  const QByteArray png = Encoded(Filled(8, 8), "PNG");
  const QByteArray bmpInsideJpeg = Bmp(8, 8, 24, 4, 0, {}, QByteArray(200, 'x'));
  using TCase = std::pair<QByteArray, quint8>;
  for (const auto &[bytes, type] :
       {TCase{png, PictureJpeg}, TCase{png, PictureBmp}, TCase{bmpInsideJpeg, PictureBmp},
        TCase{Encoded(Filled(8, 8), "JPG"), 7}}) {
    const TDecodedPicture picture = Decode(bytes, type);
    EXPECT_EQ(picture.Fault, TPictureFault::UnknownType) << picture.Reason.toStdString();
    EXPECT_TRUE(picture.Reason.startsWith("its picture is of an unknown type ("));
  }
}

// Pixels that name an entry past a short colour table come out black, and
// run-length data that ends at once leaves every pixel at entry 0 instead of
// whatever memory held.
TEST(PictureDecoder, PixelsOutsideTheDataOrTheColourTableAreDefined) {
  const QByteArray indexed = Bmp(3, 1, 8, 0, 2, {0xFF0000, 0x00FF00}, QByteArray("\1\xC8\0\0", 4));
  TDecodedPicture picture = Decode(indexed, PictureBmp);
  ASSERT_TRUE(picture.Ok()) << picture.Reason.toStdString();
  EXPECT_EQ(picture.Image.pixel(0, 0), qRgb(0, 255, 0));
  EXPECT_EQ(picture.Image.pixel(1, 0), qRgb(0, 0, 0));

  const QByteArray endsAtOnce = Bmp(16, 16, 8, 1, 1, {0x0000FF}, QByteArray("\0\1", 2));
  picture = Decode(endsAtOnce, PictureBmp);
  ASSERT_TRUE(picture.Ok()) << picture.Reason.toStdString();
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(picture.Image.pixel(x, y), qRgb(0, 0, 255)) << x << "," << y;
}

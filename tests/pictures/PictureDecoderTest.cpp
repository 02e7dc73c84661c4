// Checked picture decoding: what decodes, and the reason given for each picture
// that cannot be used. The BMPs are put together byte by byte, as a hostile
// game would.
#include "pictures/PictureDecoder.h"

#include "gamefile/PictureType.h"
#include "pictures/JpegScanCounter.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>
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

QByteArray ProgressiveJpeg(const QImage &image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setProgressiveScanWrite(true);
  EXPECT_TRUE(writer.write(image));
  return bytes;
}

// A progressive JPEG whose second scan (the first AC scan of the luminance) comes `repeats`
// more times: each repeat is a few bytes, and a pass over every block of the picture.
QByteArray ManyScanJpeg(int repeats) {
  const QByteArray jpeg = ProgressiveJpeg(Filled(2400, 1800));
  const QByteArray startOfScan("\xFF\xDA", 2);
  const qsizetype scan = jpeg.indexOf(startOfScan, jpeg.indexOf(startOfScan) + 2);
  const qsizetype next = jpeg.indexOf(startOfScan, scan + 2);
  EXPECT_GT(scan, 0);
  EXPECT_GT(next, scan);
  const QByteArray repeated = jpeg.mid(scan, next - scan);
  return jpeg.left(next) + repeated.repeated(repeats) + jpeg.mid(next);
}

// The scans of `jpeg`, fed to the counter in pieces of `piece` bytes.
int CountScans(const QByteArray &jpeg, int stopAbove, qsizetype piece) {
  TJpegScanCounter counter(stopAbove);
  const auto *data = reinterpret_cast<const uchar *>(jpeg.constData());
  for (qsizetype at = 0; at < jpeg.size(); at += piece)
    if (!counter.Feed(data + at, std::min(piece, jpeg.size() - at)))
      break;
  return counter.Scans();
}

int Difference(QRgb a, QRgb b) {
  return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

TDecodedPicture Decode(const QByteArray &bytes, quint8 type, int grid = 0,
                       TPictureLimits limits = {}) {
  return TPictureDecoder(limits).Decode(bytes, type, grid);
}

} // namespace

TEST(PictureDecoder, DecodesJpegAndBmpAtTheirSizeAndColours) {
  const QImage grey = Filled(90, 70).convertToFormat(QImage::Format_Grayscale8);
  for (const auto &[name, bytes, type, colour] :
       {std::tuple{"JPEG", Encoded(Filled(90, 70), "JPG"), PictureJpeg, qRgb(10, 120, 200)},
        std::tuple{"progressive JPEG", ProgressiveJpeg(Filled(90, 70)), PictureJpeg,
                   qRgb(10, 120, 200)},
        std::tuple{"grey JPEG", Encoded(grey, "JPG"), PictureJpeg, grey.pixel(0, 0)},
        std::tuple{"BMP", Encoded(Filled(90, 70), "BMP"), PictureBmp, qRgb(10, 120, 200)}}) {
    const TDecodedPicture picture = Decode(bytes, type, 30);
    ASSERT_TRUE(picture.Ok()) << name << ": " << picture.Reason.toStdString();
    EXPECT_EQ(picture.Image.size(), QSize(90, 70)) << name;
    EXPECT_EQ(picture.StoredSize, QSize(90, 70)) << name;
    EXPECT_LE(Difference(picture.Image.pixel(45, 35), colour), 6) << name;
    EXPECT_EQ(qAlpha(picture.Image.pixel(45, 35)), 255) << name;
    EXPECT_TRUE(picture.Reason.isEmpty());
  }
}

// A JPEG shown smaller is decoded at 1/2, 1/4 or 1/8 of its size, the smallest that still
// covers the shown size both ways; a BMP at its own size.
TEST(PictureDecoder, JpegIsDecodedAtTheSmallestScaleThatCoversTheShownSize) {
  const QByteArray jpeg = Encoded(Filled(1200, 900), "JPG");
  for (const auto &[shown, decoded] :
       {std::pair{QSize(1, 1), QSize(150, 113)}, std::pair{QSize(150, 113), QSize(150, 113)},
        std::pair{QSize(151, 10), QSize(300, 225)}, std::pair{QSize(270, 202), QSize(300, 225)},
        std::pair{QSize(10, 226), QSize(600, 450)}, std::pair{QSize(601, 450), QSize(1200, 900)},
        std::pair{QSize(5000, 5000), QSize(1200, 900)}}) {
    TPictureUse use;
    use.ShownSize = [wanted = shown](QSize stored) {
      EXPECT_EQ(stored, QSize(1200, 900));
      return wanted;
    };
    const TDecodedPicture picture = TPictureDecoder().Decode(jpeg, PictureJpeg, use);
    ASSERT_TRUE(picture.Ok()) << picture.Reason.toStdString();
    EXPECT_EQ(picture.Image.size(), decoded) << shown.width() << " x " << shown.height();
    EXPECT_EQ(picture.StoredSize, QSize(1200, 900));
    EXPECT_LE(Difference(picture.Image.pixel(decoded.width() / 2, decoded.height() / 2),
                         qRgb(10, 120, 200)),
              6);
  }
  TPictureUse small;
  small.ShownSize = [](QSize) { return QSize(1, 1); };
  const TDecodedPicture bmp =
      TPictureDecoder().Decode(Encoded(Filled(120, 90), "BMP"), PictureBmp, small);
  ASSERT_TRUE(bmp.Ok());
  EXPECT_EQ(bmp.Image.size(), QSize(120, 90));
}

// A small progressive JPEG of thousands of scans would take many seconds; it is refused from
// its markers before anything is decoded, and one of ordinary scans is not.
TEST(PictureDecoder, JpegWithMoreScansThanTheLimitIsRefusedAtOnce) {
  const QByteArray hostile = ManyScanJpeg(20000);
  QElapsedTimer clock;
  clock.start();
  TDecodedPicture picture = Decode(hostile, PictureJpeg);
  EXPECT_LT(clock.elapsed(), 5000); // decoding it takes over 10 s
  EXPECT_EQ(picture.Fault, TPictureFault::TooManyScans);
  EXPECT_TRUE(picture.Image.isNull());
  EXPECT_TRUE(picture.Reason.startsWith("its picture has more than 100 scans"))
      << picture.Reason.toStdString();

  const QByteArray ordinary = ProgressiveJpeg(Filled(64, 48));
  const int scans = CountScans(ordinary, 1000, ordinary.size());
  EXPECT_GT(scans, 5); // libjpeg's progressive script
  EXPECT_EQ(CountScans(hostile, 1000, hostile.size()), 1001);
  EXPECT_TRUE(Decode(ordinary, PictureJpeg, 0, {.MaxScans = scans}).Ok());
  picture = Decode(ordinary, PictureJpeg, 0, {.MaxScans = scans - 1});
  EXPECT_EQ(picture.Fault, TPictureFault::TooManyScans);
  EXPECT_TRUE(picture.Reason.contains(QString::number(scans - 1)));
  const QByteArray baseline = Encoded(Filled(64, 48), "JPG");
  EXPECT_EQ(CountScans(baseline, 1000, baseline.size()), 1);
  // Read as a file is, a piece at a time: a marker, a length or a stuffed byte split between two
  // pieces is counted as when it came whole.
  EXPECT_EQ(CountScans(ordinary, 1000, 1), scans);
  EXPECT_EQ(CountScans(hostile, 1000, 7), 1001);
}

TEST(PictureDecoder, AJpegDecodeGivesUpWhenAbandoned) {
  const std::atomic<bool> abandon = true;
  TPictureUse use;
  use.Abandon = &abandon;
  const TDecodedPicture picture =
      TPictureDecoder().Decode(ProgressiveJpeg(Filled(640, 480)), PictureJpeg, use);
  EXPECT_EQ(picture.Fault, TPictureFault::Abandoned);
  EXPECT_TRUE(picture.Image.isNull());
}

// A progressive JPEG holds every coefficient of the whole picture while its scans come in,
// however small it is decoded; a baseline one only the rows it is working on.
TEST(PictureDecoder, ReducedDecodingCountsWhatTheDecodeHolds) {
  TPictureUse small;
  small.ShownSize = [](QSize) { return QSize(1, 1); };
  const TPictureLimits oneMb{.AllocationLimitMb = 1};
  const TDecodedPicture baseline =
      TPictureDecoder(oneMb).Decode(Encoded(Filled(2000, 600), "JPG"), PictureJpeg, small);
  EXPECT_TRUE(baseline.Ok()) << baseline.Reason.toStdString();
  const TDecodedPicture progressive =
      TPictureDecoder(oneMb).Decode(ProgressiveJpeg(Filled(2000, 600)), PictureJpeg, small);
  EXPECT_EQ(progressive.Fault, TPictureFault::TooBig);
  EXPECT_TRUE(progressive.Reason.startsWith("its picture is too big (decoding needs "))
      << progressive.Reason.toStdString();
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

// The grid is fine but the picture's shape makes cells of less than a pixel, or the grid is 0:
// the reason names that, not the picture's size against the grid.
TEST(PictureDecoder, LevelThatCutsNoCellsSaysWhy) {
  TPictureUse level;
  level.Grid = 1;
  TDecodedPicture picture =
      TPictureDecoder().Decode(Encoded(Filled(400, 300), "BMP"), PictureBmp, level);
  EXPECT_EQ(picture.Fault, TPictureFault::SmallerThanGrid);
  EXPECT_EQ(picture.Reason, "its picture (400 x 300 pixels) cut by its grid of 1 gives cells of "
                            "1 x 0.75 pixels, and a cell must be at least 1 pixel each way");
  level.Grid = 0;
  picture = TPictureDecoder().Decode(Encoded(Filled(400, 300), "JPG"), PictureJpeg, level);
  EXPECT_EQ(picture.Fault, TPictureFault::SmallerThanGrid);
  EXPECT_EQ(picture.Reason, "its grid size is 0, which cuts no cells");
  // A square picture has whole cells of 1 pixel.
  level.Grid = 1;
  EXPECT_TRUE(TPictureDecoder().Decode(Encoded(Filled(300, 300), "BMP"), PictureBmp, level).Ok());
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
      {"JPEG without a frame header", QByteArray("\xFF\xD8\xFF\xE0 no picture", 15), "JPEG"},
  };
  for (const auto &sample : damaged) {
    const quint8 type = sample.Bytes.startsWith("BM") ? PictureBmp : PictureJpeg;
    const TDecodedPicture picture = Decode(sample.Bytes, type);
    EXPECT_EQ(picture.Fault, TPictureFault::Damaged) << sample.Name;
    EXPECT_TRUE(picture.Reason.startsWith("its picture is damaged (")) << sample.Name;
    EXPECT_TRUE(picture.Reason.contains(sample.Detail))
        << sample.Name << ": " << picture.Reason.toStdString();
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

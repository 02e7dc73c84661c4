// Pictures of any readable format become pictures a game file can hold; the rest are named with
// the reason.
#include "builder/PictureImport.h"
#include "tests/support/ExifJpeg.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class PictureImportTest : public ::testing::Test {
protected:
  QString Source(const QString &name, const char *format, bool transparent = false) {
    QImage image(48, 32, transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    if (transparent)
      image.setPixel(3, 3, qRgba(255, 255, 255, 0)); // white, but not to be seen
    const QString path = Dir.filePath(name);
    EXPECT_TRUE(image.save(path, format)) << name.toStdString();
    return path;
  }
  // Qt reads GIF but cannot write it: a 2 x 1 picture of two frames, made by hand.
  QString Gif(const QString &name) {
    static const unsigned char twoFrames[] = {
        'G',  'I', 'F', '8', '9', 'a',  2, 0, 1, 0, 0x80, 0, 0, // screen 2 x 1, 2 colours
        0xFF, 0,   0,   0,   0,   0xFF,                         // red, blue
        ',',  0,   0,   0,   0,   2,    0, 1, 0, 0, 2,    2, 0x84, 0x51, 0, // frame 1: red red
        ',',  0,   0,   0,   0,   2,    0, 1, 0, 0, 2,    2, 0x8C, 0x53, 0, // frame 2: blue blue
        ';'};
    QFile f(Dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char *>(twoFrames), sizeof twoFrames);
    return f.fileName();
  }
  static QByteArray Bytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static QByteArray FormatOf(const QString &path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.format();
  }

  QTemporaryDir Dir;
  QString Into = Dir.filePath("added");
};

} // namespace

TEST_F(PictureImportTest, JpegAndBmpNamedSoAreTakenAsTheyAre) {
  const QString jpg = Source("a.jpg", "JPEG"), bmp = Source("b.BMP", "BMP");
  const TImportedPictures taken = ImportPictures({jpg, bmp}, Into);
  EXPECT_EQ(taken.Files, (QStringList{jpg, bmp}));
  EXPECT_TRUE(taken.Skipped.isEmpty());
}

TEST_F(PictureImportTest, EachOtherFormatBecomesAJpeg) {
  const struct {
    QString Name;
    const char *Format;
    bool Transparent;
    QByteArray Stored;
  } rows[] = {
      {"photo.png", "PNG", false, "jpeg"},   {"logo.png", "PNG", true, "jpeg"},
      {"web.webp", "WEBP", false, "jpeg"},   {"scan.tiff", "TIFF", false, "jpeg"},
      {"phone.jpeg", "JPEG", false, "jpeg"},
  };
  for (const auto &row : rows) {
    const QString source = Source(row.Name, row.Format, row.Transparent);
    const TImportedPictures taken = ImportPictures({source}, Into);
    ASSERT_EQ(taken.Files.size(), 1)
        << row.Name.toStdString() << taken.Skipped.join(';').toStdString();
    const QString file = taken.Files.first();
    EXPECT_EQ(QFileInfo(file).absolutePath(), QFileInfo(Into).absoluteFilePath());
    EXPECT_EQ(QFileInfo(file).suffix(), row.Stored == "jpeg" ? "jpg" : "bmp")
        << row.Name.toStdString();
    EXPECT_EQ(FormatOf(file), row.Stored) << row.Name.toStdString();
    EXPECT_EQ(QImage(file).size(), QSize(48, 32));
    EXPECT_TRUE(QFile::exists(source)); // the author's file stays as it was
  }
  // A GIF gives its first frame; of two pixels and colours, an 8-bit BMP of them is smaller than
  // any JPEG, and exact.
  const TImportedPictures gif = ImportPictures({Gif("anim.gif")}, Into);
  ASSERT_EQ(gif.Files.size(), 1) << gif.Skipped.join(';').toStdString();
  EXPECT_EQ(FormatOf(gif.Files.first()), "bmp");
  const QImage first = QImage(gif.Files.first());
  EXPECT_EQ(first.size(), QSize(2, 1));
  EXPECT_EQ(first.pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(first.pixel(1, 0), qRgb(255, 0, 0));
  // A JPEG under another name is copied, not encoded again.
  EXPECT_EQ(Bytes(Dir.filePath("added/phone.jpg")), Bytes(Dir.filePath("phone.jpeg")));
}

// A transparent picture is stored in the fewest bytes that keep it, its transparent parts on
// white (under them lies black here, which must not show): a photo with a transparent border as
// a JPEG (not a BMP many times the size of its PNG), a dithered picture of 8 colours, which JPEG
// codes badly, as an 8-bit BMP of exactly its pixels.
TEST_F(PictureImportTest, TransparentPicturesAreStoredInTheFewestBytesOnWhite) {
  QImage photo(320, 240, QImage::Format_ARGB32);
  QImage dithered(320, 240, QImage::Format_ARGB32);
  QRandomGenerator random(3);
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) {
      const bool border = x < 40 || y < 40 || x >= 280 || y >= 200;
      photo.setPixel(x, y, border ? qRgba(0, 0, 0, 0) : qRgb(x * 255 / 320, y, 255 - x / 2));
      const int colour = random.bounded(8); // one of the 8 corners of the colour cube
      dithered.setPixel(
          x, y,
          border ? qRgba(0, 0, 0, 0)
                 : qRgb(colour & 1 ? 255 : 0, colour & 2 ? 255 : 0, colour & 4 ? 255 : 0));
    }
  ASSERT_TRUE(photo.save(Dir.filePath("photo.png"), "PNG"));
  ASSERT_TRUE(dithered.save(Dir.filePath("dithered.png"), "PNG"));
  const qint64 bmp24 = 54 + 320 * 240 * 3;

  const TImportedPictures taken =
      ImportPictures({Dir.filePath("photo.png"), Dir.filePath("dithered.png")}, Into);
  ASSERT_EQ(taken.Files.size(), 2) << taken.Skipped.join(';').toStdString();
  EXPECT_EQ(FormatOf(taken.Files[0]), "jpeg");
  EXPECT_LT(QFileInfo(taken.Files[0]).size(), bmp24 / 10);
  const QImage storedPhoto(taken.Files[0]);
  for (const QPoint corner : {QPoint(5, 5), QPoint(314, 234), QPoint(20, 120)}) {
    const QRgb pixel = storedPhoto.pixel(corner);
    EXPECT_GE(std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}), 245) << corner.x();
  }
  const QRgb middle = storedPhoto.pixel(160, 120);
  EXPECT_LE(qAbs(qRed(middle) - 127) + qAbs(qGreen(middle) - 120) + qAbs(qBlue(middle) - 175), 12);

  EXPECT_EQ(QFileInfo(taken.Files[1]).suffix(), "bmp");
  EXPECT_LT(QFileInfo(taken.Files[1]).size(), bmp24 / 2);
  const QImage storedDithered(taken.Files[1]);
  ASSERT_EQ(storedDithered.size(), dithered.size());
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) {
      const QRgb source = dithered.pixel(x, y);
      ASSERT_EQ(storedDithered.pixel(x, y), qAlpha(source) == 0 ? qRgb(255, 255, 255) : source)
          << x << "," << y;
    }
}

TEST_F(PictureImportTest, ConvertedCopiesOfTheSameNameDoNotReplaceEachOther) {
  const QString png = Source("same.png", "PNG");
  QDir().mkpath(Dir.filePath("other"));
  const QString webp = Source("other/same.webp", "WEBP");
  const TImportedPictures taken = ImportPictures({png, webp}, Into);
  ASSERT_EQ(taken.Files.size(), 2);
  EXPECT_NE(taken.Files[0], taken.Files[1]);
  EXPECT_TRUE(QFile::exists(taken.Files[0]) && QFile::exists(taken.Files[1]));
}

TEST_F(PictureImportTest, OneTextNamesEverySkippedFileAndWhy) {
  QFile text(Dir.filePath("notes.txt"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("shopping list");
  text.close();
  QFile cut(Dir.filePath("cut.jpg"));
  ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
  cut.write(Bytes(Source("whole.jpg", "JPEG")).left(40));
  cut.close();
  const QString good = Source("good.png", "PNG");
  const TImportedPictures taken =
      ImportPictures({text.fileName(), Dir.filePath("gone.png"), good, cut.fileName()}, Into);
  EXPECT_EQ(taken.Files.size(), 1);
  ASSERT_EQ(taken.Skipped.size(), 3);
  EXPECT_TRUE(taken.Skipped[0].startsWith("notes.txt: not a picture"));
  EXPECT_EQ(taken.Skipped[1], "gone.png: no such file");
  EXPECT_TRUE(taken.Skipped[2].startsWith("cut.jpg: cannot be decoded"));
  const QString text1 = SkippedPicturesText(taken.Skipped);
  for (const char *name : {"notes.txt", "gone.png", "cut.jpg"})
    EXPECT_TRUE(text1.contains(name)) << name;
  EXPECT_TRUE(SkippedPicturesText({}).isEmpty());
}

// A JPEG the game would refuse is refused when it is added, with the game's reason, at once
// instead of after the seconds its thousands of scans would take to decode.
TEST_F(PictureImportTest, AJpegOfTooManyScansIsRefusedWithTheReason) {
  const QString slow = Dir.filePath("slow.jpg");
  QProcess maker;
  maker.start(QStringLiteral(QB_SLOW_JPEG_PATH), {slow, "20000"});
  ASSERT_TRUE(maker.waitForFinished(30000));
  ASSERT_EQ(maker.exitCode(), 0);
  const TImportedPictures taken = ImportPictures({slow}, Into);
  EXPECT_TRUE(taken.Files.isEmpty());
  ASSERT_EQ(taken.Skipped.size(), 1);
  EXPECT_TRUE(taken.Skipped[0].startsWith(
      "slow.jpg: cannot be decoded (the picture has more than 100 scans"))
      << taken.Skipped[0].toStdString();
  QString why;
  EXPECT_TRUE(ReadPictureFitted(slow, {64, 48}, &why).isNull());
  EXPECT_TRUE(why.contains("scans")) << why.toStdString();
}

// Fitted into the box with its shape kept, from a JPEG decoded at a reduced size or a BMP, each
// known by its bytes whatever its name.
TEST_F(PictureImportTest, APictureIsReadFittedIntoABox) {
  QImage wide(1200, 600, QImage::Format_RGB32);
  wide.fill(QColor(30, 160, 90));
  ASSERT_TRUE(wide.save(Dir.filePath("wide.jpg"), "JPEG"));
  ASSERT_TRUE(wide.save(Dir.filePath("wide.picture"), "BMP"));
  ASSERT_TRUE(wide.save(Dir.filePath("jpeg.bmp"), "JPEG"));
  for (const char *name : {"wide.jpg", "wide.picture", "jpeg.bmp"}) {
    QString why;
    const QImage fitted = ReadPictureFitted(Dir.filePath(name), {64, 48}, &why);
    ASSERT_FALSE(fitted.isNull()) << name << ": " << why.toStdString();
    EXPECT_EQ(fitted.size(), QSize(64, 32)) << name;
    const QRgb middle = fitted.pixel(32, 16);
    EXPECT_LE(qAbs(qRed(middle) - 30) + qAbs(qGreen(middle) - 160) + qAbs(qBlue(middle) - 90), 8)
        << name;
  }
}

TEST_F(PictureImportTest, AFolderThatCannotBeWrittenIsAReasonToo) {
  const QString png = Source("p.png", "PNG");
  QFile blocker(Dir.filePath("blocked"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
  blocker.close();
  const TImportedPictures taken = ImportPictures({png}, blocker.fileName());
  EXPECT_TRUE(taken.Files.isEmpty());
  ASSERT_EQ(taken.Skipped.size(), 1);
  EXPECT_TRUE(taken.Skipped[0].startsWith("p.png: cannot be converted"));
}

// A phone's portrait photo (stored 64 x 48, orientation 6) is added as an upright copy with no
// orientation left, named after it; the author's file is left as it was. Its thumbnail is
// upright too.
TEST_F(PictureImportTest, APortraitPhotoIsAddedUpright) {
  const QImage upright = ExifJpeg::Quarters({48, 64});
  const QByteArray phone = ExifJpeg::PhoneJpeg(upright, 6);
  const QString photo = Dir.filePath("IMG_0001.JPG");
  QFile file(photo);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(phone) == phone.size());
  file.close();

  const TImportedPictures taken = ImportPictures({photo}, Into);
  ASSERT_EQ(taken.Files.size(), 1) << taken.Skipped.join('\n').toStdString();
  EXPECT_EQ(taken.Files[0], Into + "/IMG_0001.jpg");
  EXPECT_EQ(Bytes(photo), phone);
  const QImage stored(taken.Files[0]); // read as any program would, orientation or not
  EXPECT_EQ(stored.size(), QSize(48, 64));
  EXPECT_TRUE(ExifJpeg::ShowsQuartersUpright(stored));
  QSize size;
  const QImage thumbnail = ReadPictureFitted(photo, {24, 24}, nullptr, &size);
  EXPECT_EQ(size, QSize(48, 64));
  EXPECT_EQ(thumbnail.size(), QSize(18, 24));
  EXPECT_TRUE(ExifJpeg::ShowsQuartersUpright(thumbnail));
}

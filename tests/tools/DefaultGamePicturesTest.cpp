// The default game's pictures and the program-folder pictures, as assetgen left them in the
// build's asset folder: sizes, formats, the spread of the level pictures and the dark panels
// of the playing skin.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

QString AssetPath(const QString &name) { return QDir(QB_ASSET_DIR).filePath(name); }

QByteArray AssetBytes(const QString &name) {
  QFile file(AssetPath(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct TLevel {
  QString File;
  int Grid;
  QByteArray Bytes;
  QImage Picture;
};

// The level list that the build hands to the game-file tool ("file:grid|file:grid|...").
QList<TLevel> DefaultLevels() {
  QList<TLevel> levels;
  for (const QString &entry : QString(QB_DEFAULT_LEVELS).split('|', Qt::SkipEmptyParts)) {
    const QStringList parts = entry.split(':');
    TLevel level{parts.value(0), parts.value(1).toInt(), AssetBytes(parts.value(0)), {}};
    level.Picture = QImage::fromData(level.Bytes);
    levels << level;
  }
  return levels;
}

bool IsJpeg(const QByteArray &b) { return b.startsWith("\xFF\xD8\xFF"); }
bool IsBmp(const QByteArray &b) { return b.startsWith("BM") && b.size() > 30; }
int BmpBits(const QByteArray &b) { return qFromLittleEndian<quint16>(b.constData() + 28); }

TEST(DefaultGameLevels, EveryListedPictureDecodesInTheFormatItsNameStates) {
  const QList<TLevel> levels = DefaultLevels();
  ASSERT_GE(levels.size(), 8);
  for (const TLevel &level : levels) {
    ASSERT_FALSE(level.Bytes.isEmpty()) << "missing " << level.File.toStdString();
    EXPECT_FALSE(level.Picture.isNull()) << level.File.toStdString();
    if (level.File.endsWith(".bmp")) {
      ASSERT_TRUE(IsBmp(level.Bytes)) << level.File.toStdString();
      EXPECT_EQ(BmpBits(level.Bytes), 24) << level.File.toStdString();
    } else {
      EXPECT_TRUE(level.File.endsWith(".jpg")) << level.File.toStdString();
      EXPECT_TRUE(IsJpeg(level.Bytes)) << level.File.toStdString();
    }
  }
}

TEST(DefaultGameLevels, GridSizesStayInTheBuildersRangeAndSpreadOverIt) {
  QList<int> grids;
  for (const TLevel &level : DefaultLevels()) {
    EXPECT_GE(level.Grid, 16) << level.File.toStdString();
    EXPECT_LE(level.Grid, 70) << level.File.toStdString();
    grids << level.Grid;
  }
  ASSERT_FALSE(grids.isEmpty());
  EXPECT_EQ(*std::min_element(grids.begin(), grids.end()), 16);
  EXPECT_EQ(*std::max_element(grids.begin(), grids.end()), 70);
  EXPECT_TRUE(grids.contains(44)) << "the builder's default grid size is not among the levels";
}

TEST(DefaultGameLevels, SpanSizesShapesAndFormats) {
  int smallestArea = INT_MAX, largestArea = 0, bmps = 0;
  bool landscape = false, portrait = false, square = false;
  for (const TLevel &level : DefaultLevels()) {
    const QSize s = level.Picture.size();
    smallestArea = std::min(smallestArea, s.width() * s.height());
    largestArea = std::max(largestArea, s.width() * s.height());
    landscape |= s.width() > s.height();
    portrait |= s.width() < s.height();
    square |= s.width() == s.height();
    bmps += IsBmp(level.Bytes);
  }
  EXPECT_LE(smallestArea, 220 * 280) << "no small picture (about 200 x 270)";
  EXPECT_GE(largestArea, 1600 * 1200) << "no large picture (about 1600 x 1200)";
  EXPECT_TRUE(landscape);
  EXPECT_TRUE(portrait);
  EXPECT_TRUE(square);
  EXPECT_GE(bmps, 2);
}

// A painted scene has many colours and real contrast; a failed painter leaves a flat fill.
TEST(DefaultGameLevels, AreRichPicturesNotFlatFills) {
  for (const TLevel &level : DefaultLevels()) {
    const QImage small =
        level.Picture.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QSet<QRgb> colours;
    int darkest = 255, brightest = 0;
    for (int y = 0; y < small.height(); ++y)
      for (int x = 0; x < small.width(); ++x) {
        const QRgb c = small.pixel(x, y);
        colours.insert(c & 0xF0F0F0);
        darkest = std::min(darkest, qGray(c));
        brightest = std::max(brightest, qGray(c));
      }
    EXPECT_GT(colours.size(), 40) << level.File.toStdString();
    EXPECT_GT(brightest - darkest, 120) << level.File.toStdString();
  }
}

TEST(SkinPictures, AreWindowSizedJpegs) {
  for (const char *name : {"StartSkin.jpg", "PlayingSkin.jpg", "GameOverSkin.jpg", "MidPic.jpg"}) {
    const QByteArray bytes = AssetBytes(name);
    EXPECT_TRUE(IsJpeg(bytes)) << name;
    EXPECT_EQ(QImage::fromData(bytes).size(), QSize(600, 400)) << name;
  }
}

double MeanLuminance(const QImage &image, const QRect &area) {
  double sum = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      sum += qGray(image.pixel(x, y));
  return sum / (area.width() * area.height());
}

// White, yellow and cyan panel text needs a dark ground under it.
TEST(SkinPictures, PlayingSkinPanelsAreDark) {
  const QImage skin(AssetPath("PlayingSkin.jpg"));
  ASSERT_EQ(skin.size(), QSize(600, 400));
  const QRect panels[] = {
      QRect(QPoint(320, 20), QPoint(517, 379)), QRect(QPoint(531, 47), QPoint(587, 94)),
      QRect(QPoint(530, 130), QPoint(589, 359)), QRect(QPoint(530, 366), QPoint(589, 379)),
      QRect(QPoint(0, 0), QPoint(149, 24))};
  for (const QRect &panel : panels)
    EXPECT_LT(MeanLuminance(skin, panel), 50) << "panel at " << panel.x() << "," << panel.y();
  // The frame around them is lighter, so the panels stand out.
  EXPECT_GT(MeanLuminance(skin, QRect(QPoint(305, 0), QPoint(315, 399))), 70);
}

TEST(ProgramIcon, IsA256PixelPngAndAnIcoWithSeveralSizes) {
  const QImage png(AssetPath("quarrybox.png"));
  EXPECT_EQ(png.size(), QSize(256, 256));
  EXPECT_TRUE(png.hasAlphaChannel());

  const QByteArray ico = AssetBytes("quarrybox1.ico");
  ASSERT_GE(ico.size(), 6);
  EXPECT_EQ(qFromLittleEndian<quint16>(ico.constData() + 2), 1) << "not an icon file";
  const int count = qFromLittleEndian<quint16>(ico.constData() + 4);
  EXPECT_GE(count, 2);
  if (QImageReader::supportedImageFormats().contains("ico")) {
    QImageReader reader(AssetPath("quarrybox1.ico"), "ico");
    EXPECT_EQ(reader.imageCount(), count);
    QList<int> widths;
    for (int i = 0; i < reader.imageCount(); ++i) {
      reader.jumpToImage(i);
      widths << reader.read().width();
    }
    EXPECT_TRUE(widths.contains(256));
    EXPECT_TRUE(widths.contains(32));
  }
}

} // namespace

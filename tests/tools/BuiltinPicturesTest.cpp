// The pictures compiled into the program: sizes, storage depth, block colours and the
// transparent-key rules of the image-list templates.
#include "resources/BuiltinPictures.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

#include <array>

namespace {

struct TBuiltin {
  const char *Name;
  int Width, Height;
  int BitsPerPixel; // of the stored BMP; 0 for PNG
};

void PrintTo(const TBuiltin &b, std::ostream *os) { *os << b.Name; }

QByteArray ResourceBytes(const QString &name) {
  InitBuiltinPictures();
  QFile file(":/pictures/" + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage Resource(const QString &name) {
  InitBuiltinPictures();
  return QImage(":/pictures/" + name);
}

class BuiltinPictureTest : public ::testing::TestWithParam<TBuiltin> {};

TEST_P(BuiltinPictureTest, LoadsWithItsExactSizeAndStorage) {
  const TBuiltin b = GetParam();
  const QByteArray bytes = ResourceBytes(b.Name);
  ASSERT_FALSE(bytes.isEmpty()) << "missing resource " << b.Name;
  const QImage image = QImage::fromData(bytes);
  ASSERT_FALSE(image.isNull()) << b.Name << " does not decode";
  EXPECT_EQ(image.width(), b.Width);
  EXPECT_EQ(image.height(), b.Height);
  if (b.BitsPerPixel > 0) {
    ASSERT_GE(bytes.size(), 30);
    EXPECT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), b.BitsPerPixel);
  } else {
    EXPECT_TRUE(bytes.startsWith("\x89PNG"));
    EXPECT_TRUE(image.hasAlphaChannel());
  }
}

INSTANTIATE_TEST_SUITE_P(Resources, BuiltinPictureTest,
                         ::testing::Values(TBuiltin{"Parts.bmp", 72, 36, 16},
                                           TBuiltin{"Figure.bmp", 18, 18, 24},
                                           TBuiltin{"Small.bmp", 12, 12, 24},
                                           TBuiltin{"PressSP.png", 112, 21, 0},
                                           TBuiltin{"PauseL.png", 474, 121, 0}));

// The cell colour table of the game, written out independently of the painter.
constexpr std::array<QRgb, 8> CellColour = {
    qRgb(180, 180, 180), qRgb(228, 201, 42), qRgb(241, 46, 46), qRgb(33, 68, 203),
    qRgb(149, 68, 222),  qRgb(204, 50, 203), qRgb(70, 183, 41), qRgb(40, 148, 234)};

QPoint BlockOrigin(int k) { return QPoint((k % 4) * 18, (k / 4) * 18); }

int Luminance(QRgb c) { return qGray(c); }

TEST(BlockPictures, CentreOfEachBlockIsItsCellColour) {
  const QImage parts = Resource("Parts.bmp");
  ASSERT_EQ(parts.size(), QSize(72, 36));
  for (int k = 0; k < 8; ++k) {
    const QRgb centre = parts.pixel(BlockOrigin(k) + QPoint(9, 9));
    const QRgb want = CellColour[size_t(k)];
    // 16 bits per pixel keep 5 bits of red and blue and 6 of green.
    EXPECT_NEAR(qRed(centre), qRed(want), 7) << "block " << k;
    EXPECT_NEAR(qGreen(centre), qGreen(want), 3) << "block " << k;
    EXPECT_NEAR(qBlue(centre), qBlue(want), 7) << "block " << k;
  }
}

TEST(BlockPictures, AreLitFromAboveAndShadedBelow) {
  const QImage parts = Resource("Parts.bmp");
  for (int k = 0; k < 8; ++k) {
    const QPoint o = BlockOrigin(k);
    const int top = Luminance(parts.pixel(o + QPoint(9, 1)));
    const int left = Luminance(parts.pixel(o + QPoint(1, 9)));
    const int centre = Luminance(parts.pixel(o + QPoint(9, 9)));
    const int right = Luminance(parts.pixel(o + QPoint(16, 9)));
    const int bottom = Luminance(parts.pixel(o + QPoint(9, 16)));
    EXPECT_GT(top, centre) << "block " << k;
    EXPECT_GT(left, centre) << "block " << k;
    EXPECT_LT(right, centre) << "block " << k;
    EXPECT_LT(bottom, centre) << "block " << k;
  }
}

// Counts pixels that equal the key colour once stored: the game draws "Figure" (and the block
// pictures put into it) with pure red as transparent, and "Small" with R216 G83 B3.
int KeyPixels(const QImage &image, QRgb key, int tolerance) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      if (std::abs(qRed(c) - qRed(key)) <= tolerance &&
          std::abs(qGreen(c) - qGreen(key)) <= tolerance &&
          std::abs(qBlue(c) - qBlue(key)) <= tolerance)
        ++count;
    }
  return count;
}

TEST(BlockPictures, HaveNoPixelThatWouldTurnTransparentAsFigure) {
  // Every block fills its whole square: no pixel, not even after 16-bit rounding, may be red.
  EXPECT_EQ(KeyPixels(Resource("Parts.bmp"), qRgb(255, 0, 0), 7), 0);
  EXPECT_EQ(KeyPixels(Resource("Figure.bmp"), qRgb(255, 0, 0), 0), 0);
}

TEST(BlockPictures, SmallTemplateHasNoTransparentKeyPixel) {
  EXPECT_EQ(KeyPixels(Resource("Small.bmp"), qRgb(216, 83, 3), 0), 0);
}

TEST(BlockPictures, FigureAndSmallAreShadedBlocks) {
  for (const char *name : {"Figure.bmp", "Small.bmp"}) {
    const QImage block = Resource(name);
    const int last = block.width() - 2;
    const int mid = block.width() / 2;
    EXPECT_GT(Luminance(block.pixel(mid, 1)), Luminance(block.pixel(mid, mid))) << name;
    EXPECT_LT(Luminance(block.pixel(mid, last)), Luminance(block.pixel(mid, mid))) << name;
  }
}

// Drawn over any picture: see-through outside their rounded plate, solid across it.
TEST(PromptPictures, AreTransparentAtTheCornersAndOpaqueInside) {
  for (const char *name : {"PressSP.png", "PauseL.png"}) {
    const QImage image = Resource(name).convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    for (const QPoint &corner :
         {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
      EXPECT_LT(qAlpha(image.pixel(corner)), 40)
          << name << " at " << corner.x() << "," << corner.y();
    EXPECT_GT(qAlpha(image.pixel(w / 2, h / 2)), 200) << name;
    EXPECT_GT(qAlpha(image.pixel(w / 8, h / 2)), 200) << name;
  }
}

} // namespace

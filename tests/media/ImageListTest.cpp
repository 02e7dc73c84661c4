#include "media/ImageList.h"
#include "media/GameImageList.h"
#include "media/MediaError.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QObject>

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 160, 0);

// 18 x 18, 24 bits per pixel like the stored block picture: a red frame and every third
// pixel red, the rest in colours that differ per pixel, so a misplaced copy shows.
QImage FigurePicture() {
  QImage picture(18, 18, QImage::Format_RGB888);
  for (int y = 0; y < 18; ++y) {
    for (int x = 0; x < 18; ++x) {
      const bool red = x == 0 || y == 0 || x == 17 || y == 17 || (x + y) % 3 == 0;
      picture.setPixel(x, y, red ? Red : qRgb(10 * x, 10 * y, 200));
    }
  }
  return picture;
}

// What a colour-keyed copy of picture to at must leave on a surface of background.
QImage ExpectedCopy(QImage background, const QImage &picture, QPoint at, QRgb key) {
  for (int y = 0; y < background.height(); ++y) {
    for (int x = 0; x < background.width(); ++x) {
      const QPoint from = QPoint(x, y) - at;
      if (!picture.rect().contains(from))
        continue;
      const QRgb pixel = picture.pixel(from);
      if ((pixel & RGB_MASK) != (key & RGB_MASK))
        background.setPixel(x, y, pixel);
    }
  }
  return background;
}

struct ImageListTest : ::testing::Test {
  QObject Owner;
  TPlaySurface Draw{&Owner};
  TImageList List{&Draw};
  TImageListItem &Figure = List.Add();

  void SetUp() override {
    Figure.SetName("Figure");
    Figure.SetPicture(FigurePicture());
    Figure.SetTransparent(true);
    Figure.SetTransparentColor(Red);
    Draw.Initialize();
    TSurface &surface = Draw.Surface();
    surface.Canvas().fillRect(surface.Rect(), QColor(Green));
    surface.ReleaseCanvas();
    surface.ClearDrawn();
  }
  void TearDown() override { Draw.Finalize(); }

  const QImage &Pixels() const { return Draw.Surface().Image(); }
  QImage Background() const {
    QImage background(198, 360, QImage::Format_RGB32);
    background.fill(Green);
    return background;
  }
};

} // namespace

class ImageListClipTest : public ImageListTest, public ::testing::WithParamInterface<QPoint> {};

TEST_P(ImageListClipTest, ColourKeyedCopyDrawsOnlyTheInsideAndNeverTheKeyColour) {
  const QPoint at = GetParam();
  Figure.Draw(Draw.Surface(), at.x(), at.y(), 0);
  const QImage expected = ExpectedCopy(Background(), FigurePicture(), at, Red);
  EXPECT_EQ(Pixels(), expected);
  for (int y = 0; y < Pixels().height(); ++y)
    for (int x = 0; x < Pixels().width(); ++x)
      ASSERT_NE(Pixels().pixel(x, y), Red) << x << "," << y;
  EXPECT_EQ(Draw.Surface().Drawn(), QRect(at, QSize(18, 18)).intersects(QRect(0, 0, 198, 360)));
}

INSTANTIATE_TEST_SUITE_P(Positions, ImageListClipTest,
                         ::testing::Values(QPoint(5, 7), QPoint(0, 0), QPoint(190, 350),
                                           QPoint(180, 342), QPoint(-5, -3), QPoint(-16, 100),
                                           QPoint(196, -16), QPoint(197, 359), QPoint(198, 0),
                                           QPoint(0, 361), QPoint(-18, 0), QPoint(50, -18)));

TEST_F(ImageListTest, CopyIsUnaffectedByWhatTheCanvasUserSetOnThePainter) {
  QPainter &canvas = Draw.Surface().Canvas();
  canvas.translate(30, 40);
  canvas.setOpacity(0.25);
  canvas.setClipRect(QRect(0, 0, 2, 2));
  Figure.Draw(Draw.Surface(), 60, 70, 0);
  Draw.Surface().ReleaseCanvas();
  EXPECT_EQ(Pixels(), ExpectedCopy(Background(), FigurePicture(), QPoint(60, 70), Red));
}

TEST_F(ImageListTest, AnOpaqueItemCopiesItsKeyColourToo) {
  TImageListItem &puzzle = List.Add();
  QImage white(4, 4, QImage::Format_RGB32);
  white.fill(Qt::white);
  puzzle.SetPicture(white);
  puzzle.SetTransparentColor(qRgb(255, 255, 255));
  puzzle.RebuildSurface();
  puzzle.Draw(Draw.Surface(), 2, 2, 0);
  EXPECT_EQ(Pixels().pixel(2, 2), qRgb(255, 255, 255));
  EXPECT_EQ(Pixels().pixel(5, 5), qRgb(255, 255, 255));
  EXPECT_EQ(Pixels().pixel(6, 6), Green);
}

TEST_F(ImageListTest, TheKeyMatchesOnlyTheExactColour) {
  TImageListItem &small = List.Add();
  QImage picture(2, 1, QImage::Format_RGB888);
  picture.setPixel(0, 0, qRgb(216, 83, 3));
  picture.setPixel(1, 0, qRgb(216, 83, 4));
  small.SetPicture(picture);
  small.SetTransparent(true);
  small.SetTransparentColor(qRgb(216, 83, 3));
  small.RebuildSurface();
  small.Draw(Draw.Surface(), 0, 0, 0);
  EXPECT_EQ(Pixels().pixel(0, 0), Green);
  EXPECT_EQ(Pixels().pixel(1, 0), qRgb(216, 83, 4));
}

TEST_F(ImageListTest, NothingIsDrawnWithoutASurfaceOrWithAMissingPattern) {
  TImageListItem &empty = List.Add();
  empty.RebuildSurface();
  EXPECT_FALSE(empty.SurfaceBuilt());
  empty.Draw(Draw.Surface(), 0, 0, 0);
  Figure.Draw(Draw.Surface(), 0, 0, 1);
  Figure.Draw(Draw.Surface(), 0, 0, -1);
  EXPECT_FALSE(Draw.Surface().Drawn());
  EXPECT_EQ(Pixels(), Background());
}

TEST_F(ImageListTest, TheSurfaceShowsThePictureOfTheLastRebuild) {
  QImage blue(18, 18, QImage::Format_RGB888);
  blue.fill(qRgb(0, 0, 255));
  Figure.SetPicture(blue);
  Figure.Draw(Draw.Surface(), 0, 0, 0);
  EXPECT_EQ(Pixels().pixel(5, 5), FigurePicture().pixel(5, 5)); // still the old picture
  Figure.RebuildSurface();
  Figure.Draw(Draw.Surface(), 0, 0, 0);
  EXPECT_EQ(Pixels().pixel(5, 5), qRgb(0, 0, 255));
}

TEST_F(ImageListTest, PatternsCutThePictureLeftToRightThenDown) {
  TImageListItem &strip = List.Add();
  QImage picture(6, 4, QImage::Format_RGB32); // 3 x 2 patterns of 2 x 2
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x)
      picture.setPixel(x, y, qRgb(x / 2 * 50, y / 2 * 50, 1));
  strip.SetPicture(picture);
  strip.SetPatternWidth(2);
  strip.SetPatternHeight(2);
  strip.RebuildSurface();
  EXPECT_EQ(strip.Width(), 2);
  EXPECT_EQ(strip.PatternCount(), 6);
  strip.Draw(Draw.Surface(), 10, 10, 4); // second row, second column
  EXPECT_EQ(Pixels().pixel(10, 10), qRgb(50, 50, 1));
  EXPECT_EQ(Pixels().pixel(11, 11), qRgb(50, 50, 1));
  EXPECT_EQ(Pixels().pixel(12, 12), Green);
}

TEST_F(ImageListTest, ItemSurfacesExistWhileThePlaySurfaceIsInitialized) {
  TImageListItem &empty = List.Add();
  EXPECT_TRUE(Figure.SurfaceBuilt());
  EXPECT_FALSE(empty.SurfaceBuilt());
  Draw.Finalize();
  EXPECT_FALSE(Figure.SurfaceBuilt());
  Draw.Initialize();
  EXPECT_TRUE(Figure.SurfaceBuilt());
  EXPECT_FALSE(empty.SurfaceBuilt());
}

TEST_F(ImageListTest, ItemsAreFoundByNameAndByIndex) {
  TImageListItem &other = List.Add();
  other.SetName("Small");
  EXPECT_EQ(List.Find("Small"), &other);
  EXPECT_EQ(List.Find("Figure"), &Figure);
  EXPECT_EQ(List.Find("Missing"), nullptr);
  EXPECT_EQ(&List.Items(1), &other);
  try {
    List.Items(2);
    FAIL() << "no error past the end";
  } catch (const TMediaError &e) {
    EXPECT_EQ(e.Message(), "Index of the list exceeds the range. (2)");
  }
  EXPECT_THROW(List.Items(-1), TMediaError);
}

namespace {

struct TGameItemRow {
  int Index;
  const char *Name;
  bool Transparent;
  QRgb Key;
  QSize PictureSize;
};

void PrintTo(const TGameItemRow &row, std::ostream *os) { *os << row.Index << ' ' << row.Name; }

class GameImageListTest : public ::testing::TestWithParam<TGameItemRow> {};

} // namespace

TEST_P(GameImageListTest, TheGameListHoldsItsSixItemsInOrder) {
  const TGameItemRow row = GetParam();
  QImage figure(18, 18, QImage::Format_RGB888), small(12, 12, QImage::Format_RGB888);
  figure.fill(Qt::blue);
  small.fill(Qt::yellow);
  TImageList list;
  FillGameImageList(list, figure, small);
  ASSERT_EQ(list.Count(), 6);
  const TImageListItem &item = list.Items(row.Index);
  EXPECT_EQ(item.Name(), row.Name);
  EXPECT_EQ(item.Transparent(), row.Transparent);
  EXPECT_EQ(item.TransparentColor() & RGB_MASK, row.Key & RGB_MASK);
  if (row.PictureSize.isValid())
    EXPECT_EQ(item.Picture().size(), row.PictureSize);
  else
    EXPECT_TRUE(item.Picture().isNull());
  EXPECT_EQ(item.PatternWidth(), 0);
  EXPECT_EQ(item.PatternHeight(), 0);
  EXPECT_EQ(list.Find(row.Name), &item);
}

INSTANTIATE_TEST_SUITE_P(
    Items, GameImageListTest,
    ::testing::Values(TGameItemRow{ImageFigure, "Figure", true, qRgb(255, 0, 0), QSize(18, 18)},
                      TGameItemRow{ImageStarting, "Starting", false, qRgb(0, 0, 0), QSize()},
                      TGameItemRow{ImageBackGround, "BackGround", false, qRgb(0, 0, 0), QSize()},
                      TGameItemRow{ImagePuzzle, "Puzzle", false, qRgb(255, 255, 255), QSize()},
                      TGameItemRow{ImageGameOver, "GameOver", false, qRgb(0, 0, 0), QSize()},
                      TGameItemRow{ImageSmall, "Small", true, qRgb(216, 83, 3), QSize(12, 12)}));

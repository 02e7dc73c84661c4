#include "builder/BuilderPreview.h"
#include "builder/BuilderModel.h"
#include "tests/support/QtPrinters.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct FitCase {
  QSize Picture;
  int Grid;
  int Width;
  int Height;
  int X0;
  int Y0;
  int Columns; // of the drawn grid
};
void PrintTo(const FitCase &c, std::ostream *os) {
  *os << c.Picture.width() << 'x' << c.Picture.height() << " grid " << c.Grid;
}

class BuilderPreviewFitTest : public ::testing::TestWithParam<FitCase> {};

// A BMP of one colour, so that its pixels come back exactly.
QString SolidPicture(const QTemporaryDir &dir, const QString &name, QSize size, QRgb colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  const QString path = dir.filePath(name);
  EXPECT_TRUE(image.save(path, "BMP"));
  return path;
}

const QRgb Orange = qRgb(255, 128, 64);
const QRgb Aqua = qRgb(0, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Green = qRgb(0, 200, 0);
const QRgb Purple = qRgb(120, 0, 160);

} // namespace

TEST_P(BuilderPreviewFitTest, FitsAndCutsTheLevelPicture) {
  const FitCase &c = GetParam();
  const TPreviewFit fit = FitPreviewPicture(c.Picture, c.Grid);
  EXPECT_EQ(fit.Width, c.Width);
  EXPECT_EQ(fit.Height, c.Height);
  EXPECT_EQ(fit.X0, c.X0);
  EXPECT_EQ(fit.Y0, c.Y0);

  QTemporaryDir dir;
  TBuilderModel model;
  model.SetSkin(SkinPlaying, SolidPicture(dir, "skin.bmp", {600, 400}, Green));
  model.AddLevels({SolidPicture(dir, "level.bmp", c.Picture, Purple)});
  model.Levels().SetGridSize(c.Grid);
  QImage window;
  const TPreviewResult result = DrawBuilderPreview(window, model);
  EXPECT_TRUE(result.Error.isEmpty());
  EXPECT_EQ(result.Columns, c.Columns);
  EXPECT_EQ(result.Rows, c.Columns); // cells keep the picture's proportions
  EXPECT_EQ(window.size(), QSize(600, 400));
  // The frame runs one pixel outside the picture's top-left corner; inside is the picture.
  EXPECT_EQ(window.pixel(c.X0 - 1, c.Y0 - 1), Aqua);
  EXPECT_EQ(window.pixel(c.X0 - 1 + c.Width - 1, c.Y0 - 1), Aqua);
  EXPECT_EQ(window.pixel(c.X0 + 1, c.Y0 + 1), Purple);
  EXPECT_EQ(window.pixel(c.X0 - 2, c.Y0 + 1), Green);
}

INSTANTIATE_TEST_SUITE_P(Pictures, BuilderPreviewFitTest,
                         ::testing::Values(FitCase{{205, 273}, 44, 220, 293, 40, 54, 5},
                                           FitCase{{141, 187}, 70, 140, 186, 80, 107, 2},
                                           FitCase{{600, 400}, 16, 272, 181, 14, 110, 17},
                                           FitCase{{300, 900}, 30, 120, 360, 90, 20, 12}));

TEST(BuilderPreviewTest, TallPictureTakesItsCellWidthFromTheHeightLimit) {
  const TPreviewFit fit = FitPreviewPicture({300, 900}, 30);
  EXPECT_DOUBLE_EQ(fit.CellWidth, 10);
  EXPECT_DOUBLE_EQ(fit.CellHeight, 30);
  const TPreviewFit wide = FitPreviewPicture({205, 273}, 44);
  EXPECT_DOUBLE_EQ(wide.CellWidth, 44);
  EXPECT_NEAR(wide.CellHeight, 58.6, 0.05);
}

TEST(BuilderPreviewTest, GridLinesLieOnTheCellBordersInOrange) {
  QTemporaryDir dir;
  TBuilderModel model;
  model.AddLevels({SolidPicture(dir, "level.bmp", {205, 273}, Purple)});
  QImage window;
  DrawBuilderPreview(window, model);
  // x0 = 40, y0 = 54, cells 44 x 58.6: lines at x 84, 128, 172, 216 and y 113, 171, 230, 288.
  for (int x : {84, 128, 172, 216})
    EXPECT_EQ(window.pixel(x, 60), Orange) << x;
  for (int y : {113, 171, 230, 288})
    EXPECT_EQ(window.pixel(50, y), Orange) << y;
  EXPECT_EQ(window.pixel(85, 60), Purple);
  EXPECT_EQ(window.pixel(50, 114), Purple);
}

TEST(BuilderPreviewTest, StretchedSkinCoversTheWholeWindow) {
  QTemporaryDir dir;
  TBuilderModel model;
  model.SetSkin(SkinStart, SolidPicture(dir, "start.bmp", {100, 50}, Green));
  model.SetStretch(SkinStart, true);
  QImage window;
  EXPECT_TRUE(DrawBuilderPreview(window, model).Error.isEmpty());
  EXPECT_EQ(window.pixel(0, 0), Green);
  EXPECT_EQ(window.pixel(599, 399), Green);
}

TEST(BuilderPreviewTest, UnstretchedSkinIsCentredOnBlack) {
  QTemporaryDir dir;
  TBuilderModel model;
  model.SetSkin(SkinGameOver, SolidPicture(dir, "end.bmp", {100, 51}, Green));
  model.SetStretch(SkinGameOver, false);
  model.SetShownSkin(SkinGameOver);
  QImage window(600, 400, QImage::Format_RGB32);
  window.fill(Purple);
  DrawBuilderPreview(window, model);
  EXPECT_EQ(window.pixel(0, 0), Black);
  // x = 250, y = round(174.5) = 174
  EXPECT_EQ(window.pixel(250, 174), Green);
  EXPECT_EQ(window.pixel(249, 174), Black);
  EXPECT_EQ(window.pixel(250, 173), Black);
  EXPECT_EQ(window.pixel(349, 224), Green);
  EXPECT_EQ(window.pixel(350, 224), Black);
}

TEST(BuilderPreviewTest, NoSkinGivesABlackWindow) {
  TBuilderModel model;
  QImage window(600, 400, QImage::Format_RGB32);
  window.fill(Purple);
  const TPreviewResult result = DrawBuilderPreview(window, model);
  EXPECT_EQ(window.pixel(0, 0), Black);
  EXPECT_EQ(window.pixel(300, 200), Black);
  EXPECT_EQ(result.Columns, 0);
}

TEST(BuilderPreviewTest, OutlinesOnlyForTickedBoxesAndOnlyOnThePlayingSkin) {
  TBuilderModel model;
  model.Box(0) = {true, 0x0000FF}; // red
  model.Box(1) = {false, 0x00FF00};
  model.Box(2) = {true, 0xFF0000}; // blue
  model.SetShownSkin(SkinPlaying);
  QImage window;
  DrawBuilderPreview(window, model);
  EXPECT_EQ(window.pixel(319, 19), qRgb(255, 0, 0));
  EXPECT_EQ(window.pixel(518, 379), qRgb(255, 0, 0));
  EXPECT_EQ(window.pixel(320, 380), qRgb(255, 0, 0));
  EXPECT_EQ(window.pixel(320, 21), Black); // inside the outline
  EXPECT_EQ(window.pixel(530, 132), Black);
  EXPECT_EQ(window.pixel(530, 46), qRgb(0, 0, 255));

  model.SetShownSkin(SkinStart);
  DrawBuilderPreview(window, model);
  EXPECT_EQ(window.pixel(319, 19), Black);
  EXPECT_EQ(window.pixel(530, 46), Black);
}

TEST(BuilderPreviewTest, HiddenLevelPictureIsNotDrawn) {
  QTemporaryDir dir;
  TBuilderModel model;
  model.AddLevels({SolidPicture(dir, "level.bmp", {205, 273}, Purple)});
  model.SetLevelPictureVisible(false);
  QImage window;
  const TPreviewResult result = DrawBuilderPreview(window, model);
  EXPECT_EQ(result.Columns, 0);
  EXPECT_EQ(window.pixel(100, 200), Black);
}

// A JPEG is decoded at a reduced size for the preview, but its grid is measured from its own
// size, as the game measures it: a 1200 x 900 picture with a grid of 45 is six cells across.
TEST(BuilderPreviewTest, JpegLevelIsCutByItsOwnSizeThoughDecodedSmaller) {
  QTemporaryDir dir;
  QImage picture(1200, 900, QImage::Format_RGB32);
  picture.fill(Purple);
  const QString path = dir.filePath("level.jpg");
  ASSERT_TRUE(picture.save(path, "JPEG"));
  TBuilderModel model;
  model.SetSkin(SkinPlaying, SolidPicture(dir, "skin.bmp", {600, 400}, Green));
  model.AddLevels({path});
  model.Levels().SetGridSize(45);
  QImage window;
  const TPreviewResult result = DrawBuilderPreview(window, model);
  EXPECT_TRUE(result.Error.isEmpty()) << result.Error.toStdString();
  EXPECT_EQ(result.Columns, 6);
  EXPECT_EQ(result.Columns, FitPreviewPicture({1200, 900}, 45).Width / 45);
  const TPreviewFit fit = FitPreviewPicture({1200, 900}, 45);
  const QRgb inside = window.pixel(fit.X0 + 10, fit.Y0 + 10);
  EXPECT_LE(qAbs(qRed(inside) - 120) + qGreen(inside) + qAbs(qBlue(inside) - 160), 12);
}

TEST(BuilderPreviewTest, AJpegOfTooManyScansIsReportedAtOnceWithTheReason) {
  QTemporaryDir dir;
  const QString slow = dir.filePath("slow.jpg");
  QProcess maker;
  maker.start(QStringLiteral(QB_SLOW_JPEG_PATH), {slow, "20000"});
  ASSERT_TRUE(maker.waitForFinished(30000));
  TBuilderModel model;
  model.SetSkin(SkinPlaying, SolidPicture(dir, "skin.bmp", {600, 400}, Green));
  model.AddLevels({slow});
  QImage window;
  const TPreviewResult result = DrawBuilderPreview(window, model);
  EXPECT_TRUE(result.Error.contains("slow.jpg")) << result.Error.toStdString();
  EXPECT_TRUE(result.Error.contains("more than 100 scans")) << result.Error.toStdString();
  EXPECT_EQ(result.Columns, 0);
}

TEST(BuilderPreviewTest, UnreadablePictureIsReportedAndTheRestDrawn) {
  QTemporaryDir dir;
  QFile broken(dir.filePath("broken.jpg"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a picture");
  broken.close();
  TBuilderModel model;
  model.SetSkin(SkinPlaying, SolidPicture(dir, "skin.bmp", {600, 400}, Green));
  model.AddLevels({broken.fileName()});
  model.Box(0) = {true, 0x0000FF};
  QImage window;
  const TPreviewResult result = DrawBuilderPreview(window, model);
  EXPECT_TRUE(result.Error.contains("broken.jpg")) << result.Error.toStdString();
  EXPECT_EQ(result.Columns, 0);
  EXPECT_EQ(window.pixel(100, 200), Green);
  EXPECT_EQ(window.pixel(319, 19), qRgb(255, 0, 0));
}

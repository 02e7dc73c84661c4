// The picture cells on the window picture: colours, grid, hidden and uncovered cells.
#include "screen/CellGrid.h"

#include "pictures/CellPicture.h"
#include "rules/PictureCells.h"
#include "rules/Random.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <vector>

namespace {

constexpr QRgb Black = 0xff000000;
const QRgb GridRed = qRgb(213, 69, 0);
const QRgb OutlineCyan = qRgb(0, 255, 255);
const QRgb EdgeGrey = qRgb(128, 128, 128);

// Every pixel different, so a misplaced copy shows.
QImage Pattern(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 64 + (x * 7 + y * 3) % 64));
  return image;
}

QImage WindowPicture() {
  QImage image(600, 400, QImage::Format_RGB32);
  image.fill(Black);
  return image;
}

TEST(CellColourTest, EightColoursOfTheTable) {
  const QRgb expected[CellColourCount] = {
      qRgb(180, 180, 180), qRgb(228, 201, 42), qRgb(241, 46, 46), qRgb(33, 68, 203),
      qRgb(149, 68, 222),  qRgb(204, 50, 203), qRgb(70, 183, 41), qRgb(40, 148, 234)};
  for (int i = 0; i < CellColourCount; ++i)
    EXPECT_EQ(CellColour(i), expected[i]) << "index " << i;
}

TEST(CellGridDrawingTest, LightFormDrawsGridLinesAndOutlineOnly) {
  TPictureCells cells;
  ASSERT_TRUE(cells.Build(QSize(800, 600), 44));
  QImage window = WindowPicture();
  DrawCellGrid(window, cells);
  const int left = 18, top = 101, right = 18 + 264, bottom = 101 + 198;

  for (QPoint corner :
       {QPoint(left, top), QPoint(right, top), QPoint(right, bottom), QPoint(left, bottom)})
    EXPECT_EQ(window.pixel(corner), OutlineCyan) << corner.x() << "," << corner.y();
  EXPECT_EQ(window.pixel(left + 44, top + 10), GridRed); // vertical line of column 1
  EXPECT_EQ(window.pixel(left + 5 * 44, bottom - 1), GridRed);
  EXPECT_EQ(window.pixel(left + 10, top + 33), GridRed); // horizontal line of row 1
  EXPECT_EQ(window.pixel(left + 10, top + 10), Black);   // cells are not filled
  EXPECT_EQ(window.pixel(left - 1, top), Black);
  EXPECT_EQ(window.pixel(right + 1, top + 5), Black);
  EXPECT_EQ(window.pixel(left + 5, bottom + 1), Black);
}

TEST(CellGridDrawingTest, FullFormFillsCellsRowByRowWithTheirStoredColours) {
  TPictureCells cells;
  ASSERT_TRUE(cells.Build(QSize(800, 600), 44));
  QImage window = WindowPicture();
  TRandom random(77);
  cells.ColourCells(random);
  DrawHiddenCells(window, cells);

  TRandom replay(77);
  std::vector<int> used;
  for (int row = 0; row < 6; ++row) {
    for (int col = 0; col < 6; ++col) {
      SCOPED_TRACE(testing::Message() << "cell " << col << "," << row);
      const TPictureCell &cell = cells.Cell(col, row);
      EXPECT_EQ(cell.ColourIndex, replay.Random(CellColourCount));
      const QRect r = cells.Layout().CellRect(col, row);
      EXPECT_EQ(window.pixel(r.center()), CellColour(cell.ColourIndex));
      EXPECT_EQ(window.pixel(r.left() + 1, r.top() + 1), CellColour(cell.ColourIndex));
      EXPECT_EQ(window.pixel(r.right(), r.center().y()), EdgeGrey);
      EXPECT_EQ(window.pixel(r.center().x(), r.bottom()), EdgeGrey);
      used.push_back(cell.ColourIndex);
    }
  }
  std::sort(used.begin(), used.end());
  EXPECT_GT(std::unique(used.begin(), used.end()) - used.begin(), 3);
  // The cells cover the grid's top and left lines, not the outline's far sides.
  EXPECT_EQ(window.pixel(18 + 264, 101), OutlineCyan);
  EXPECT_EQ(window.pixel(18 + 264, 101 + 198), OutlineCyan);
  EXPECT_EQ(window.pixel(18, 101 + 198), OutlineCyan);

  // The light form afterwards brings the lines back over the cell edges.
  DrawCellGrid(window, cells);
  EXPECT_EQ(window.pixel(18, 101), OutlineCyan);
  EXPECT_EQ(window.pixel(18 + 44, 101 + 10), GridRed);
  EXPECT_EQ(window.pixel(18 + 10, 101 + 33), GridRed);
  EXPECT_EQ(window.pixel(cells.Layout().CellRect(2, 2).center()),
            CellColour(cells.Cell(2, 2).ColourIndex));
}

TEST(CellGridDrawingTest, AnUncoveredCellShowsItsPartOfThePictureUnderTheGrid) {
  TPictureCells cells;
  ASSERT_TRUE(cells.Build(QSize(800, 600), 44));
  // Decoded at half size: shown at the size the stored picture's cells give.
  const QImage shown = CellPicture(Pattern(400, 300), cells.Layout().Geometry());
  ASSERT_EQ(shown.size(), QSize(264, 198));
  QImage window = WindowPicture();
  TRandom random(5);
  cells.ColourCells(random);
  DrawHiddenCells(window, cells);
  ASSERT_TRUE(cells.Uncover(2, 3).Uncovered);
  PaintUncoveredCell(window, cells, shown, 2, 3);

  const QRect r = cells.Layout().CellRect(2, 3);
  EXPECT_EQ(r.topLeft(), QPoint(18 + 2 * 44, 101 + 3 * 33));
  for (QPoint p : {QPoint(1, 1), QPoint(20, 15), QPoint(43, 32)})
    EXPECT_EQ(window.pixel(r.topLeft() + p), shown.pixel(QPoint(2 * 44, 3 * 33) + p))
        << p.x() << "," << p.y();
  EXPECT_EQ(window.pixel(r.left(), r.top() + 10), GridRed);
  EXPECT_EQ(window.pixel(r.left() + 10, r.top()), GridRed);
  EXPECT_EQ(window.pixel(cells.Layout().CellRect(3, 3).center()),
            CellColour(cells.Cell(3, 3).ColourIndex));
}

} // namespace

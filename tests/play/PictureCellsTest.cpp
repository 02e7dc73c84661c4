#include "play/PictureCells.h"
#include "play/Random.h"

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

bool HiddenEntriesFirst(const TPictureCells &cells) {
  const std::vector<TCellEntry> &list = cells.CellList();
  for (int i = 0; i < int(list.size()); ++i) {
    if (list[i].Uncovered != (i >= cells.HiddenCount()))
      return false;
  }
  return true;
}

TEST(CellColourTest, EightColoursOfTheTable) {
  const QRgb expected[CellColourCount] = {
      qRgb(180, 180, 180), qRgb(228, 201, 42), qRgb(241, 46, 46), qRgb(33, 68, 203),
      qRgb(149, 68, 222),  qRgb(204, 50, 203), qRgb(70, 183, 41), qRgb(40, 148, 234)};
  for (int i = 0; i < CellColourCount; ++i)
    EXPECT_EQ(TPictureCells::CellColour(i), expected[i]) << "index " << i;
}

TEST(PictureCellsTest, LandscapePictureGivesSixBySixCellsCentredInTheLeftArea) {
  TPictureCells cells;
  ASSERT_TRUE(cells.Build(Pattern(800, 600), 44));
  EXPECT_EQ(cells.Columns(), 6);
  EXPECT_EQ(cells.Rows(), 6);
  EXPECT_EQ(cells.CellWidth(), 44);
  EXPECT_EQ(cells.CellHeight(), 33);
  EXPECT_DOUBLE_EQ(cells.Geometry().CellWidth, 44);
  EXPECT_NEAR(cells.Geometry().CellHeight, 33, 1e-9);
  EXPECT_EQ(cells.Origin(), QPoint(18, 101));
  EXPECT_EQ(cells.PictureWidth(), 264);
  EXPECT_EQ(cells.PictureHeight(), 198);
  EXPECT_EQ(cells.StretchedPicture().size(), QSize(264, 198));
  EXPECT_EQ(cells.TotalCount(), 36);
  EXPECT_EQ(cells.HiddenCount(), 36);
  EXPECT_EQ(cells.CurrentTarget(), -1);
  EXPECT_EQ(cells.NextTarget(), -1);
}

TEST(PictureCellsTest, PictureDecodedSmallerUsesItsStoredSizeForTheGeometry) {
  TPictureCells cells;
  ASSERT_TRUE(cells.Build(Pattern(400, 300), 44, QSize(800, 600)));
  EXPECT_EQ(cells.Columns(), 6);
  EXPECT_EQ(cells.CellHeight(), 33);
  EXPECT_EQ(cells.StretchedPicture().size(), QSize(264, 198));
}

TEST(PictureCellsTest, PartialCellsAtTheEdgesAreLeftOut) {
  // Cells 20 x 13 (13.8 truncated) over 200 x 276: 21 rows, 273 pixels; 3 pixel rows unused.
  TPictureCells cells;
  ASSERT_TRUE(cells.Build(Pattern(210, 290), 20));
  EXPECT_EQ(cells.Columns(), 10);
  EXPECT_EQ(cells.Rows(), 21);
  EXPECT_EQ(cells.PictureHeight(), 273);
  EXPECT_EQ(cells.Origin(), QPoint(50, 62)); // centred on the whole 200 x 276
}

TEST(PictureCellsTest, TallPictureOriginRoundsHalfToEven) {
  TPictureCells cells;
  ASSERT_TRUE(cells.Build(Pattern(333, 1000), 30));
  EXPECT_EQ(cells.CellHeight(), 30);
  EXPECT_EQ(cells.CellWidth(), 9);
  EXPECT_EQ(cells.Columns(), 13);
  EXPECT_EQ(cells.Rows(), 12);
  EXPECT_EQ(cells.Origin(), QPoint(90, 20)); // (300 - 119) / 2 = 90.5
}

TEST(PictureCellsTest, EachCellHoldsItsPartOfThePicture) {
  // Already 264 x 198: the stretched picture is the picture itself.
  const QImage picture = Pattern(264, 198);
  TPictureCells cells;
  ASSERT_TRUE(cells.Build(picture, 44));
  ASSERT_EQ(cells.StretchedPicture(), picture);
  for (int col = 0; col < 6; ++col) {
    for (int row = 0; row < 6; ++row) {
      const TPictureCell &cell = cells.Cell(col, row);
      EXPECT_EQ(cell.Col, col);
      EXPECT_EQ(cell.Row, row);
      EXPECT_FALSE(cell.Uncovered);
      EXPECT_EQ(cell.Bitmap, picture.copy(col * 44, row * 33, 44, 33)) << col << "," << row;
    }
  }
}

TEST(PictureCellsTest, CellListRunsColumnByColumnAllHidden) {
  TPictureCells cells;
  ASSERT_TRUE(cells.Build(Pattern(264, 198), 44));
  const std::vector<TCellEntry> &list = cells.CellList();
  ASSERT_EQ(list.size(), 36u);
  for (int i = 0; i < 36; ++i) {
    EXPECT_EQ(list[i].Col, i / 6);
    EXPECT_EQ(list[i].Row, i % 6);
    EXPECT_FALSE(list[i].Uncovered);
  }
}

TEST(PictureCellsTest, UnusablePictureIsNotBuiltAndIgnoresLaterCalls) {
  TPictureCells cells;
  ASSERT_TRUE(cells.Build(Pattern(264, 198), 44));
  EXPECT_FALSE(cells.Build(QImage(), 44));
  EXPECT_FALSE(cells.Built());
  EXPECT_EQ(cells.TotalCount(), 0);
  EXPECT_FALSE(cells.Build(Pattern(264, 198), 0));
  EXPECT_FALSE(cells.Build(Pattern(20, 20), 44));

  QImage window = WindowPicture();
  const QImage before = window;
  TRandom random(1);
  cells.DrawCellGrid(window, true, random);
  cells.ChooseTargets(random, 0);
  EXPECT_FALSE(cells.Uncover(0, 0).Uncovered);
  EXPECT_EQ(window, before);
  EXPECT_EQ(cells.CurrentTarget(), -1);
}

TEST(CellGridDrawingTest, LightFormDrawsGridLinesAndOutlineOnly) {
  TPictureCells cells;
  ASSERT_TRUE(cells.Build(Pattern(800, 600), 44));
  QImage window = WindowPicture();
  TRandom random(1);
  cells.DrawCellGrid(window, false, random);
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
  ASSERT_TRUE(cells.Build(Pattern(800, 600), 44));
  QImage window = WindowPicture();
  TRandom random(77);
  cells.DrawCellGrid(window, true, random);

  TRandom replay(77);
  std::vector<int> used;
  for (int row = 0; row < 6; ++row) {
    for (int col = 0; col < 6; ++col) {
      SCOPED_TRACE(testing::Message() << "cell " << col << "," << row);
      const TPictureCell &cell = cells.Cell(col, row);
      EXPECT_EQ(cell.ColourIndex, replay.Random(CellColourCount));
      const QRect r = cells.CellRect(col, row);
      EXPECT_EQ(window.pixel(r.center()), TPictureCells::CellColour(cell.ColourIndex));
      EXPECT_EQ(window.pixel(r.left() + 1, r.top() + 1),
                TPictureCells::CellColour(cell.ColourIndex));
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
  cells.DrawCellGrid(window, false, random);
  EXPECT_EQ(window.pixel(18, 101), OutlineCyan);
  EXPECT_EQ(window.pixel(18 + 44, 101 + 10), GridRed);
  EXPECT_EQ(window.pixel(18 + 10, 101 + 33), GridRed);
  EXPECT_EQ(window.pixel(cells.CellRect(2, 2).center()),
            TPictureCells::CellColour(cells.Cell(2, 2).ColourIndex));
}

class UncoverTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Cells.Build(Pattern(264, 198), 44));
    Cells.DrawCellGrid(Window, true, Random);
  }
  TPictureCells Cells;
  QImage Window = WindowPicture();
  TRandom Random{5};
};

TEST_F(UncoverTest, DrawsTheCellsPictureAndMovesItsEntryBehindTheHiddenOnes) {
  const TUncoverResult result = Cells.Uncover(2, 3);
  Cells.PaintCell(2, 3, Window);
  EXPECT_TRUE(result.Uncovered);
  EXPECT_FALSE(result.LevelComplete);
  EXPECT_TRUE(Cells.Cell(2, 3).Uncovered);
  EXPECT_EQ(Cells.HiddenCount(), 35);
  EXPECT_EQ(Cells.TotalCount(), 36);
  const TCellEntry &last = Cells.CellList().back();
  EXPECT_EQ(last.Col, 2);
  EXPECT_EQ(last.Row, 3);
  EXPECT_TRUE(last.Uncovered);
  EXPECT_TRUE(HiddenEntriesFirst(Cells));

  // Picture inside the cell, grid lines over its top and left edge.
  const QRect r = Cells.CellRect(2, 3);
  EXPECT_EQ(r.topLeft(), QPoint(18 + 2 * 44, 101 + 3 * 33));
  const QImage &bitmap = Cells.Cell(2, 3).Bitmap;
  for (QPoint p : {QPoint(1, 1), QPoint(20, 15), QPoint(43, 32)})
    EXPECT_EQ(Window.pixel(r.topLeft() + p), bitmap.pixel(p)) << p.x() << "," << p.y();
  EXPECT_EQ(Window.pixel(r.left(), r.top() + 10), GridRed);
  EXPECT_EQ(Window.pixel(r.left() + 10, r.top()), GridRed);
  // A neighbour keeps its colour.
  EXPECT_EQ(Window.pixel(Cells.CellRect(3, 3).center()),
            TPictureCells::CellColour(Cells.Cell(3, 3).ColourIndex));
}

TEST_F(UncoverTest, SecondBlockOfTheSameCellUncoversNothing) {
  ASSERT_TRUE(Cells.Uncover(4, 1).Uncovered);
  const std::vector<TCellEntry> listBefore(Cells.CellList());
  const TUncoverResult again = Cells.Uncover(4, 1);
  EXPECT_FALSE(again.Uncovered);
  EXPECT_EQ(Cells.HiddenCount(), 35);
  EXPECT_EQ(Cells.CellList().size(), listBefore.size());
  EXPECT_TRUE(std::equal(listBefore.begin(), listBefore.end(), Cells.CellList().begin(),
                         [](const TCellEntry &a, const TCellEntry &b) {
                           return a.Col == b.Col && a.Row == b.Row && a.Uncovered == b.Uncovered;
                         }));
}

TEST_F(UncoverTest, ArbitraryOrderKeepsHiddenFirstAndTheNextTargetOnItsCell) {
  Cells.ChooseTargets(Random, 1000);
  // Uncover everything but the next target's cell, in a scrambled order.
  const TCellEntry next = Cells.CellList()[Cells.NextTarget()];
  std::vector<int> order(36);
  for (int i = 0; i < 36; ++i)
    order[i] = (i * 17 + 5) % 36; // 17 is coprime to 36: a permutation
  for (int k : order) {
    const int col = k / 6, row = k % 6;
    if (col == next.Col && row == next.Row)
      continue;
    ASSERT_TRUE(Cells.Uncover(col, row).Uncovered);
    ASSERT_TRUE(HiddenEntriesFirst(Cells)) << "after " << col << "," << row;
    const TCellEntry &now = Cells.CellList()[Cells.NextTarget()];
    ASSERT_EQ(now.Col, next.Col);
    ASSERT_EQ(now.Row, next.Row);
  }
  EXPECT_EQ(Cells.HiddenCount(), 1);
  EXPECT_EQ(Cells.NextTarget(), 0);
}

TEST_F(UncoverTest, LastHiddenCellCompletesTheLevel) {
  for (int col = 0; col < 6; ++col) {
    for (int row = 0; row < 6; ++row) {
      const TUncoverResult result = Cells.Uncover(col, row);
      Cells.PaintCell(col, row, Window);
      EXPECT_TRUE(result.Uncovered);
      EXPECT_EQ(result.LevelComplete, col == 5 && row == 5);
    }
  }
  EXPECT_EQ(Cells.HiddenCount(), 0);
  // The whole picture is shown.
  EXPECT_EQ(Window.pixel(18 + 100, 101 + 50), Cells.StretchedPicture().pixel(100, 50));
}

TEST_F(UncoverTest, CellOutsideTheGridIsIgnored) {
  EXPECT_FALSE(Cells.Uncover(6, 0).Uncovered);
  EXPECT_FALSE(Cells.Uncover(0, -1).Uncovered);
  EXPECT_EQ(Cells.HiddenCount(), 36);
}

} // namespace

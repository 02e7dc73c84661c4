#include "rules/PictureCells.h"
#include "rules/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

bool HiddenEntriesFirst(const TPictureCells &cells) {
  const std::vector<TCellEntry> &list = cells.CellList();
  for (int i = 0; i < int(list.size()); ++i) {
    if (list[i].Uncovered != (i >= cells.HiddenCount()))
      return false;
  }
  return true;
}

TEST(PictureCellsTest, BuiltCellsTakeTheLayoutAndAreAllHidden) {
  TPictureCells cells;
  ASSERT_TRUE(cells.Build(QSize(800, 600), 44));
  EXPECT_EQ(cells.Layout().Columns(), 6);
  EXPECT_EQ(cells.Layout().Rows(), 6);
  EXPECT_EQ(cells.Layout().Origin(), QPoint(18, 101));
  EXPECT_EQ(cells.TotalCount(), 36);
  EXPECT_EQ(cells.HiddenCount(), 36);
}

TEST(PictureCellsTest, EachCellKnowsItsPlaceAndStartsHidden) {
  TPictureCells cells;
  ASSERT_TRUE(cells.Build(QSize(264, 198), 44));
  for (int col = 0; col < 6; ++col) {
    for (int row = 0; row < 6; ++row) {
      const TPictureCell &cell = cells.Cell(col, row);
      EXPECT_EQ(cell.Col, col);
      EXPECT_EQ(cell.Row, row);
      EXPECT_FALSE(cell.Uncovered);
    }
  }
}

TEST(PictureCellsTest, CellListRunsColumnByColumnAllHidden) {
  TPictureCells cells;
  ASSERT_TRUE(cells.Build(QSize(264, 198), 44));
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
  ASSERT_TRUE(cells.Build(QSize(264, 198), 44));
  EXPECT_FALSE(cells.Build(QSize(), 44));
  EXPECT_FALSE(cells.Built());
  EXPECT_EQ(cells.TotalCount(), 0);
  EXPECT_EQ(cells.Layout().Columns(), 0);
  EXPECT_FALSE(cells.Build(QSize(264, 198), 0));
  EXPECT_FALSE(cells.Build(QSize(20, 20), 44));

  TRandom random(1);
  cells.ColourCells(random);
  EXPECT_FALSE(cells.Uncover(0, 0).Uncovered);
}

class UncoverTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(Cells.Build(QSize(264, 198), 44)); }
  TPictureCells Cells;
};

TEST_F(UncoverTest, MovesTheCellsEntryBehindTheHiddenOnes) {
  const TUncoverResult result = Cells.Uncover(2, 3);
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

TEST_F(UncoverTest, ArbitraryOrderKeepsHiddenFirst) {
  // Uncover everything but one cell, in a scrambled order.
  const QPoint kept(3, 2);
  std::vector<int> order(36);
  for (int i = 0; i < 36; ++i)
    order[i] = (i * 17 + 5) % 36; // 17 is coprime to 36: a permutation
  for (int k : order) {
    const int col = k / 6, row = k % 6;
    if (QPoint(col, row) == kept)
      continue;
    ASSERT_TRUE(Cells.Uncover(col, row).Uncovered);
    ASSERT_TRUE(HiddenEntriesFirst(Cells)) << "after " << col << "," << row;
  }
  EXPECT_EQ(Cells.HiddenCount(), 1);
  EXPECT_EQ(QPoint(Cells.CellList()[0].Col, Cells.CellList()[0].Row), kept);
}

TEST_F(UncoverTest, LastHiddenCellCompletesTheLevel) {
  for (int col = 0; col < 6; ++col) {
    for (int row = 0; row < 6; ++row) {
      const TUncoverResult result = Cells.Uncover(col, row);
      EXPECT_TRUE(result.Uncovered);
      EXPECT_EQ(result.LevelComplete, col == 5 && row == 5);
    }
  }
  EXPECT_EQ(Cells.HiddenCount(), 0);
}

TEST_F(UncoverTest, CellOutsideTheGridIsIgnored) {
  EXPECT_FALSE(Cells.Uncover(6, 0).Uncovered);
  EXPECT_FALSE(Cells.Uncover(0, -1).Uncovered);
  EXPECT_EQ(Cells.HiddenCount(), 36);
}

} // namespace

// The rules of a landing on a well and picture cells alone: no game, file, picture or window.
#include "rules/Landing.h"

#include <gtest/gtest.h>

namespace {

class LandingTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Cells.Build(QSize(200, 200), 100)); // 2 x 2 cells
  }
  // Fills a row but for the given columns; its blocks carry `cell`.
  void FillRow(int row, std::initializer_list<int> holes, QPoint cell) {
    for (int c = 1; c <= WellColumns; ++c) {
      if (std::find(holes.begin(), holes.end(), c) != holes.end())
        continue;
      TWellSquare &s = Well.Square(c, row);
      s.Occupied = true;
      s.CarriedCellCol = cell.x();
      s.CarriedCellRow = cell.y();
    }
  }

  TWell Well;
  TPictureCells Cells;
  static constexpr int Colour = 3;
};

} // namespace

TEST_F(LandingTest, ALandingThatFillsNoRowScoresTenAndLeavesItsBlocks) {
  const TLanding landing =
      LandBlocks(Well, Cells, {{{5, 1}, {6, 1}, {5, 2}, {6, 2}}}, {0, 0}, Colour);
  EXPECT_EQ(landing.Points, 10);
  EXPECT_EQ(landing.RowsRemoved, 0);
  EXPECT_TRUE(landing.LineSound.isEmpty());
  EXPECT_TRUE(Well.Square(6, 2).Occupied);
  EXPECT_EQ(Cells.HiddenCount(), 4);
}

TEST_F(LandingTest, TwoBottomRowsScoreBothBottomBonusesAndUncoverTheirCellOnce) {
  FillRow(1, {5, 6}, {1, 1});
  FillRow(2, {5, 6}, {1, 1});
  FillRow(3, {1}, {0, 0}); // falls to the bottom when the two rows go
  const TLanding landing =
      LandBlocks(Well, Cells, {{{5, 1}, {6, 1}, {5, 2}, {6, 2}}}, {1, 1}, Colour);
  // 10 landing + 60 + 60 bottom rows + 100 for the one cell + 20 for two rows.
  EXPECT_EQ(landing.Points, 250);
  EXPECT_EQ(landing.RowsRemoved, 2);
  EXPECT_EQ(landing.LowestRemovedRow, 1);
  EXPECT_EQ(landing.UncoveredCells, std::vector<QPoint>{QPoint(1, 1)});
  EXPECT_EQ(landing.LineSound, "LineTwo");
  EXPECT_FALSE(landing.LevelComplete);
  EXPECT_FALSE(Well.Square(1, 1).Occupied);
  EXPECT_TRUE(Well.Square(2, 1).Occupied);
  EXPECT_FALSE(Well.Square(2, 2).Occupied);
}

TEST_F(LandingTest, UncoveringTheLastHiddenCellCompletesTheLevel) {
  for (auto [col, row] : {std::pair{0, 0}, {0, 1}, {1, 0}})
    ASSERT_TRUE(Cells.Uncover(col, row).Uncovered);
  FillRow(5, {1, 2, 3, 4}, {1, 1});
  FillRow(6, {1, 2, 3, 4}, {1, 1});
  FillRow(7, {1, 2, 3, 4}, {1, 1});
  FillRow(8, {1, 2, 3, 4}, {1, 1});
  const TLanding landing =
      LandBlocks(Well, Cells, {{{1, 5}, {2, 5}, {3, 5}, {4, 5}}}, {1, 1}, Colour);
  EXPECT_EQ(landing.RowsRemoved, 1); // only row 5 is full
  EXPECT_EQ(landing.LowestRemovedRow, 5);
  EXPECT_EQ(landing.Points, 10 + 100 + 10); // no bottom bonus above row 1
  EXPECT_TRUE(landing.LevelComplete);
  EXPECT_EQ(landing.LineSound, "LineOne");
}

// Target choice: which picture cell each piece carries. The pieces are prepared as the game
// does it, reseeding from consecutive virtual milliseconds with a fixed base seed.

#include "rules/PictureCells.h"
#include "rules/Random.h"

#include <gtest/gtest.h>

namespace {

// A square picture in square cells of 40 pixels: n x n cells.
TPictureCells Grid(int n) {
  TPictureCells cells;
  EXPECT_TRUE(cells.Build(QSize(n * 40, n * 40), 40));
  EXPECT_EQ(cells.TotalCount(), n * n);
  return cells;
}

void UncoverFirst(TPictureCells &cells, int count) {
  for (int k = 0; k < count; ++k)
    ASSERT_TRUE(cells.Uncover(k / cells.Layout().Rows(), k % cells.Layout().Rows()).Uncovered);
}

// Prepares `pieces` pieces and counts how many were given an uncovered next target.
int UncoveredNextTargets(TPictureCells &cells, TRandom &random, int pieces) {
  int uncovered = 0;
  for (int t = 1; t <= pieces; ++t) {
    random.Reseed(t);
    random.Random(7); // the next shape is drawn before the targets
    cells.ChooseTargets(random, t);
    uncovered += cells.CellList()[cells.NextTarget()].Uncovered;
  }
  return uncovered;
}

TEST(CellTargetTest, FirstPieceOfTheLevelGetsHiddenCurrentAndNextTargets) {
  TPictureCells cells = Grid(6);
  TRandom random(3);
  cells.ChooseTargets(random, 500);
  ASSERT_GE(cells.CurrentTarget(), 0);
  ASSERT_LT(cells.CurrentTarget(), 36);
  ASSERT_GE(cells.NextTarget(), 0);
  ASSERT_LT(cells.NextTarget(), 36);
  const TCellEntry &current = cells.CellList()[cells.CurrentTarget()];
  EXPECT_EQ(cells.TargetCellCol(), current.Col);
  EXPECT_EQ(cells.TargetCellRow(), current.Row);
  EXPECT_TRUE(cells.TargetHidden());
}

TEST(CellTargetTest, FirstPieceReseedsSoEarlierDrawsDoNotMatter) {
  TPictureCells a = Grid(6), b = Grid(6);
  TRandom ra(3), rb(3);
  for (int i = 0; i < 11; ++i)
    rb.Random(1000);
  a.ChooseTargets(ra, 500);
  b.ChooseTargets(rb, 500);
  EXPECT_EQ(a.CurrentTarget(), b.CurrentTarget());
  EXPECT_EQ(a.NextTarget(), b.NextTarget());
}

TEST(CellTargetTest, LaterPiecesTakeOverThePreviousNextTarget) {
  TPictureCells cells = Grid(6);
  TRandom random(3);
  cells.ChooseTargets(random, 500);
  for (int piece = 0; piece < 20; ++piece) {
    const TCellEntry next = cells.CellList()[cells.NextTarget()];
    // Uncovering between pieces shifts the list but not the cell the next piece will carry.
    if (piece % 3 == 0 && cells.TargetHidden())
      cells.Uncover(cells.TargetCellCol(), cells.TargetCellRow());
    random.Reseed(600 + piece);
    cells.ChooseTargets(random, 600 + piece);
    EXPECT_EQ(cells.TargetCellCol(), next.Col) << "piece " << piece;
    EXPECT_EQ(cells.TargetCellRow(), next.Row) << "piece " << piece;
  }
}

struct TShareCase {
  int Side;
  int Uncovered;
};

void PrintTo(const TShareCase &c, std::ostream *os) {
  *os << c.Side * c.Side - c.Uncovered << " of " << c.Side * c.Side << " hidden";
}

class HiddenTargetsOnlyTest : public ::testing::TestWithParam<TShareCase> {};

TEST_P(HiddenTargetsOnlyTest, WhileAtLeastHalfIsHidden) {
  TPictureCells cells = Grid(GetParam().Side);
  UncoverFirst(cells, GetParam().Uncovered);
  TRandom random(8);
  cells.ChooseTargets(random, 0);
  EXPECT_EQ(UncoveredNextTargets(cells, random, 3000), 0);
}

INSTANTIATE_TEST_SUITE_P(Shares, HiddenTargetsOnlyTest,
                         ::testing::Values(TShareCase{6, 0},    // all hidden
                                           TShareCase{6, 18},   // 18 of 36: exactly half
                                           TShareCase{5, 13})); // 12 of 25: Round(12.5) = 12

TEST(CellTargetTest, JustBelowHalfHiddenSomeTargetsAreUncoveredCells) {
  TPictureCells cells = Grid(5);
  UncoverFirst(cells, 14); // 11 of 25 hidden
  TRandom random(8);
  cells.ChooseTargets(random, 0);
  // Expected share 0.6668 x 14/25 = 0.373.
  const int uncovered = UncoveredNextTargets(cells, random, 3000);
  EXPECT_GT(uncovered, 1000);
  EXPECT_LT(uncovered, 1240);
}

TEST(CellTargetTest, FewHiddenCellsLeftTwoPiecesInThreeMayCarryAnyCell) {
  TPictureCells cells = Grid(6);
  UncoverFirst(cells, 34); // 2 of 36 hidden
  TRandom random(8);
  cells.ChooseTargets(random, 0);
  // A draw of 0..6667 of 10000 takes any of the 36 cells: 0.6668 x 34/36 = 0.6298 uncovered.
  // 20000 pieces: standard deviation 0.0034; the bounds are 5.9 of them away.
  const int pieces = 20000;
  const double share = double(UncoveredNextTargets(cells, random, pieces)) / pieces;
  EXPECT_NEAR(share, 0.6298, 0.02);
}

TEST(CellTargetTest, TargetColourIsTheCellColour) {
  TPictureCells cells = Grid(6);
  TRandom random(21);
  cells.ColourCells(random);
  cells.ChooseTargets(random, 9);
  EXPECT_EQ(cells.TargetColourIndex(),
            cells.Cell(cells.TargetCellCol(), cells.TargetCellRow()).ColourIndex);
  const TCellEntry &next = cells.CellList()[cells.NextTarget()];
  EXPECT_EQ(cells.NextTargetColourIndex(), cells.Cell(next.Col, next.Row).ColourIndex);
}

} // namespace

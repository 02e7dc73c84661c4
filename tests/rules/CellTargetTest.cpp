// Target choice: which picture cell each piece carries. The pieces are prepared as the game
// does it, reseeding from consecutive virtual milliseconds with a fixed base seed.

#include "rules/CellTargets.h"
#include "rules/PictureCells.h"
#include "rules/PlaySession.h"
#include "rules/Random.h"

#include <gtest/gtest.h>

#include <vector>

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

bool Uncovered(const TPictureCells &cells, QPoint cell) {
  return cells.Cell(cell.x(), cell.y()).Uncovered;
}

// Prepares `pieces` pieces and counts how many were given an uncovered next target.
int UncoveredNextTargets(const TPictureCells &cells, TCellTargets &targets, TRandom &random,
                         int pieces) {
  int uncovered = 0;
  for (int t = 1; t <= pieces; ++t) {
    random.Reseed(t);
    random.Random(7); // the next shape is drawn before the targets
    targets.Choose(cells, random, t);
    uncovered += Uncovered(cells, targets.Next());
  }
  return uncovered;
}

TEST(CellTargetTest, FirstPieceOfTheLevelGetsHiddenCurrentAndNextTargets) {
  const TPictureCells cells = Grid(6);
  TCellTargets targets;
  EXPECT_FALSE(targets.Chosen());
  EXPECT_FALSE(targets.CurrentHidden(cells));
  TRandom random(3);
  targets.Choose(cells, random, 500);
  ASSERT_TRUE(targets.Chosen());
  ASSERT_TRUE(cells.Layout().Contains(targets.Current().x(), targets.Current().y()));
  ASSERT_TRUE(cells.Layout().Contains(targets.Next().x(), targets.Next().y()));
  EXPECT_TRUE(targets.CurrentHidden(cells));
  EXPECT_FALSE(Uncovered(cells, targets.Next()));
}

TEST(CellTargetTest, CellsThatCouldNotBeBuiltGetNoTargets) {
  TPictureCells cells;
  ASSERT_TRUE(cells.Build(QSize(264, 198), 44));
  ASSERT_FALSE(cells.Build(QSize(20, 20), 44));
  TCellTargets targets;
  TRandom random(1);
  targets.Choose(cells, random, 0);
  EXPECT_FALSE(targets.Chosen());
  EXPECT_FALSE(targets.CurrentHidden(cells));
  EXPECT_EQ(targets.CurrentColourIndex(cells), 0);
  EXPECT_EQ(targets.NextColourIndex(cells), 0);
}

TEST(CellTargetTest, FirstPieceReseedsSoEarlierDrawsDoNotMatter) {
  const TPictureCells cells = Grid(6);
  TCellTargets a, b;
  TRandom ra(3), rb(3);
  for (int i = 0; i < 11; ++i)
    rb.Random(1000);
  a.Choose(cells, ra, 500);
  b.Choose(cells, rb, 500);
  EXPECT_EQ(a.Current(), b.Current());
  EXPECT_EQ(a.Next(), b.Next());
}

TEST(CellTargetTest, LaterPiecesTakeOverThePreviousNextTarget) {
  TPictureCells cells = Grid(6);
  TCellTargets targets;
  TRandom random(3);
  targets.Choose(cells, random, 500);
  for (int piece = 0; piece < 20; ++piece) {
    const QPoint next = targets.Next();
    // Uncovering between pieces shifts the list but not the cell the next piece will carry.
    if (piece % 3 == 0 && targets.CurrentHidden(cells))
      cells.Uncover(targets.Current().x(), targets.Current().y());
    random.Reseed(600 + piece);
    targets.Choose(cells, random, 600 + piece);
    EXPECT_EQ(targets.Current(), next) << "piece " << piece;
  }
}

TEST(CellTargetTest, TheNextPieceCarriesItsCellWhateverWasUncoveredMeanwhile) {
  TPictureCells cells = Grid(6);
  TCellTargets targets;
  TRandom random(5);
  targets.Choose(cells, random, 1000);
  const QPoint next = targets.Next();
  // Uncover everything but the next target's cell, in a scrambled order: its entry ends first.
  for (int i = 0; i < 36; ++i) {
    const int k = (i * 17 + 5) % 36; // 17 is coprime to 36: a permutation
    if (QPoint(k / 6, k % 6) != next)
      ASSERT_TRUE(cells.Uncover(k / 6, k % 6).Uncovered);
  }
  ASSERT_EQ(cells.HiddenCount(), 1);
  targets.Choose(cells, random, 1001);
  EXPECT_EQ(targets.Current(), next);
  EXPECT_TRUE(targets.CurrentHidden(cells));
}

TEST(CellTargetTest, ANewLevelDrawsItsFirstTargetsAfresh) {
  TPlaySession session(3);
  ASSERT_TRUE(session.Cells.Build(QSize(240, 240), 40));
  session.StartLevel(1);
  session.Targets.Choose(session.Cells, session.Random, 500);
  session.StartLevel(2);
  EXPECT_FALSE(session.Targets.Chosen());
  // Not the first level's next target: a draw after reseeding, whatever was drawn before.
  session.Targets.Choose(session.Cells, session.Random, 700);
  TCellTargets fresh;
  TRandom other(3); // the same base seed as the session's
  fresh.Choose(session.Cells, other, 700);
  EXPECT_EQ(session.Targets.Current(), fresh.Current());
  EXPECT_EQ(session.Targets.Next(), fresh.Next());
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
  TCellTargets targets;
  TRandom random(8);
  targets.Choose(cells, random, 0);
  EXPECT_EQ(UncoveredNextTargets(cells, targets, random, 3000), 0);
}

INSTANTIATE_TEST_SUITE_P(Shares, HiddenTargetsOnlyTest,
                         ::testing::Values(TShareCase{6, 0},    // all hidden
                                           TShareCase{6, 18},   // 18 of 36: exactly half
                                           TShareCase{5, 13})); // 12 of 25: Round(12.5) = 12

TEST(CellTargetTest, JustBelowHalfHiddenSomeTargetsAreUncoveredCells) {
  TPictureCells cells = Grid(5);
  UncoverFirst(cells, 14); // 11 of 25 hidden
  TCellTargets targets;
  TRandom random(8);
  targets.Choose(cells, random, 0);
  // Expected share 0.6668 x 14/25 = 0.373.
  const int uncovered = UncoveredNextTargets(cells, targets, random, 3000);
  EXPECT_GT(uncovered, 1000);
  EXPECT_LT(uncovered, 1240);
}

TEST(CellTargetTest, FewHiddenCellsLeftTwoPiecesInThreeMayCarryAnyCell) {
  TPictureCells cells = Grid(6);
  UncoverFirst(cells, 34); // 2 of 36 hidden
  TCellTargets targets;
  TRandom random(8);
  targets.Choose(cells, random, 0);
  // A draw of 0..6667 of 10000 takes any of the 36 cells: 0.6668 x 34/36 = 0.6298 uncovered.
  // 20000 pieces: standard deviation 0.0034; the bounds are 5.9 of them away.
  const int pieces = 20000;
  const double share = double(UncoveredNextTargets(cells, targets, random, pieces)) / pieces;
  EXPECT_NEAR(share, 0.6298, 0.02);
}

TEST(CellTargetTest, TargetColourIsTheCellColour) {
  TPictureCells cells = Grid(6);
  TCellTargets targets;
  TRandom random(21);
  cells.ColourCells(random);
  targets.Choose(cells, random, 9);
  const QPoint current = targets.Current(), next = targets.Next();
  EXPECT_EQ(targets.CurrentColourIndex(cells), cells.Cell(current.x(), current.y()).ColourIndex);
  EXPECT_EQ(targets.NextColourIndex(cells), cells.Cell(next.x(), next.y()).ColourIndex);
}

} // namespace

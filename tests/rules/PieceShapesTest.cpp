#include "rules/PieceShapes.h"

#include <gtest/gtest.h>

namespace {

TEST(PieceShapesTest, TurnsAreClockwiseOnScreen) {
  // A block left of the pivot goes above it on a clockwise turn: type 6, block 0 is left of
  // block 1 in state 1 and above it in state 2.
  EXPECT_EQ(ShapeSquare(6, 0, 1), (TSquare{4, 18}));
  EXPECT_EQ(ShapeSquare(6, 1, 1), (TSquare{5, 18}));
  EXPECT_EQ(ShapeSquare(6, 0, 2), (TSquare{5, 19}));
  EXPECT_EQ(StateAfterCw(4), 1);
  EXPECT_EQ(StateAfterAcw(1), 4);
  EXPECT_EQ(StateAfterAcw(3), 2);
}

} // namespace

#include "play/PieceShapes.h"
#include "play/Well.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(PieceShapesTest, LongPieceBlockZeroTables) {
  const TBlockTables &t = BlockTables(5, 0);
  EXPECT_EQ(t.Spawn, (TSquare{4, 18}));
  EXPECT_EQ(t.MinCol[1], 1);
  EXPECT_EQ(t.MaxCol[1], 7);
  EXPECT_EQ(t.MinRow[1], 1);
  EXPECT_EQ(t.MaxRow[1], 18);
  EXPECT_EQ(t.MinCol[2], 1);
  EXPECT_EQ(t.MaxCol[2], 10);
  EXPECT_EQ(t.MinRow[2], 4);
  EXPECT_EQ(t.MaxRow[2], 18);
  EXPECT_EQ(t.CwDx[1], 2);
  EXPECT_EQ(t.CwDy[1], 1);
}

TEST(PieceShapesTest, TeePieceBlockZeroTurnsInState1) {
  const TBlockTables &t = BlockTables(6, 0);
  EXPECT_EQ(t.CwDx[1], 1);
  EXPECT_EQ(t.CwDy[1], 1);
  EXPECT_EQ(t.AcwDx[1], 1);
  EXPECT_EQ(t.AcwDy[1], -1);
}

TEST(PieceShapesTest, AnticlockwiseMoveIsTheClockwiseMoveTurnedForEveryBlock) {
  for (int type = 0; type < PieceTypeCount; ++type) {
    for (int block = 0; block < PieceBlockCount; ++block) {
      const TBlockTables &t = BlockTables(type, block);
      for (int state = 1; state <= RotationStateCount; ++state) {
        SCOPED_TRACE(testing::Message()
                     << "type " << type << " block " << block << " state " << state);
        EXPECT_EQ(t.AcwDx[state], t.CwDy[state]);
        EXPECT_EQ(t.AcwDy[state], -t.CwDx[state]);
      }
    }
  }
}

TEST(PieceShapesTest, PivotBlocksNeverMove) {
  // Types 0, 1, 2 and 6 turn about block 1, type 3 about block 0; type 4 does not turn.
  const struct {
    int Type;
    int Block;
  } pivots[] = {{0, 1}, {1, 1}, {2, 1}, {6, 1}, {3, 0}, {4, 0}, {4, 1}, {4, 2}, {4, 3}};
  for (const auto &p : pivots) {
    const TBlockTables &t = BlockTables(p.Type, p.Block);
    for (int state = 1; state <= RotationStateCount; ++state) {
      SCOPED_TRACE(testing::Message()
                   << "type " << p.Type << " block " << p.Block << " state " << state);
      EXPECT_EQ(t.CwDx[state], 0);
      EXPECT_EQ(t.CwDy[state], 0);
      EXPECT_EQ(t.AcwDx[state], 0);
      EXPECT_EQ(t.AcwDy[state], 0);
    }
  }
}

TEST(PieceShapesTest, TurningFromAStateReachesTheNeighbourStatesSquares) {
  for (int type = 0; type < PieceTypeCount; ++type) {
    for (int block = 0; block < PieceBlockCount; ++block) {
      const TBlockTables &t = BlockTables(type, block);
      for (int state = 1; state <= RotationStateCount; ++state) {
        SCOPED_TRACE(testing::Message()
                     << "type " << type << " block " << block << " state " << state);
        const TSquare here = ShapeSquare(type, block, state);
        const int cwState = state % 4 + 1;
        const int acwState = state == 1 ? 4 : state - 1;
        EXPECT_EQ((TSquare{here.Col + t.CwDx[state], here.Row + t.CwDy[state]}),
                  ShapeSquare(type, block, cwState));
        EXPECT_EQ((TSquare{here.Col + t.AcwDx[state], here.Row + t.AcwDy[state]}),
                  ShapeSquare(type, block, acwState));
      }
    }
  }
}

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

// The unturned piece in `state`, shifted by (dx, dy), passes every block's placement test.
bool PieceFits(const TWell &well, int type, int state, int dx, int dy) {
  for (int block = 0; block < PieceBlockCount; ++block) {
    const TSquare s = ShapeSquare(type, block, state);
    if (!well.BlockFits(s.Col + dx, s.Row + dy, BlockTables(type, block), state))
      return false;
  }
  return true;
}

TEST(PieceShapesTest, BoundsHoldThePieceInsideTheWellAndNoFurther) {
  const TWell well;
  for (int type = 0; type < PieceTypeCount; ++type) {
    for (int state = 1; state <= RotationStateCount; ++state) {
      SCOPED_TRACE(testing::Message() << "type " << type << " state " << state);
      int low = 99, high = -99, bottom = 99, top = -99;
      for (int block = 0; block < PieceBlockCount; ++block) {
        const TSquare s = ShapeSquare(type, block, state);
        low = std::min(low, s.Col);
        high = std::max(high, s.Col);
        bottom = std::min(bottom, s.Row);
        top = std::max(top, s.Row);
      }
      const int floorDy = 1 - bottom, ceilingDy = WellRows - top;
      const int leftDx = 1 - low, rightDx = WellColumns - high;
      // Against each wall, floor and top, and in the corners.
      EXPECT_TRUE(PieceFits(well, type, state, leftDx, floorDy));
      EXPECT_TRUE(PieceFits(well, type, state, rightDx, ceilingDy));
      EXPECT_TRUE(PieceFits(well, type, state, leftDx, ceilingDy));
      EXPECT_TRUE(PieceFits(well, type, state, rightDx, floorDy));
      // One square further out in any direction.
      EXPECT_FALSE(PieceFits(well, type, state, leftDx - 1, floorDy));
      EXPECT_FALSE(PieceFits(well, type, state, rightDx + 1, floorDy));
      EXPECT_FALSE(PieceFits(well, type, state, leftDx, floorDy - 1));
      EXPECT_FALSE(PieceFits(well, type, state, leftDx, ceilingDy + 1));
    }
  }
}

TEST(PieceShapesTest, EverySpawnSquareIsStateOneAndInsideTheWell) {
  for (int type = 0; type < PieceTypeCount; ++type) {
    for (int block = 0; block < PieceBlockCount; ++block) {
      const TSquare spawn = BlockTables(type, block).Spawn;
      EXPECT_EQ(spawn, ShapeSquare(type, block, 1));
      EXPECT_TRUE(TWell::InsideWell(spawn.Col, spawn.Row));
      EXPECT_GE(spawn.Row, 17);
    }
  }
}

} // namespace

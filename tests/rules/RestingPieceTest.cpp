// A piece that a turn brings down onto the floor, or onto settled blocks, rests there: the next
// fall step or a drop starts the lock delay, and the delay's end lands it. Every shape and every
// turn that lowers a piece's lowest block is played.
#include "tests/rules/PieceRig.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

int LowestRow(const TPiece &piece) {
  int lowest = WellRows;
  for (const TSquare &s : piece.Blocks())
    lowest = std::min(lowest, s.Row);
  return lowest;
}

struct TTurnCase {
  int Type;
  int State;
  bool Clockwise;
};

// The turns after which a piece's lowest block lies lower than before.
std::vector<TTurnCase> LoweringTurns() {
  std::vector<TTurnCase> cases;
  for (int type = 0; type < PieceTypeCount; ++type)
    for (int state = 1; state <= 4; ++state)
      for (bool clockwise : {false, true}) {
        const TPiece piece{type, state, {0, -8}};
        if (LowestRow(piece.Turned(clockwise)) < LowestRow(piece))
          cases.push_back({type, state, clockwise});
      }
  return cases;
}

std::string Describe(const TTurnCase &c, int baseRow) {
  return "type " + std::to_string(c.Type) + " from state " + std::to_string(c.State) +
         (c.Clockwise ? " clockwise" : " anticlockwise") + " onto row " + std::to_string(baseRow);
}

// Turns the piece into the case's state high in the well, lets it fall until the case's turn
// puts its lowest block on baseRow, and makes that turn.
void TurnOntoBase(PieceRig &rig, const TTurnCase &c, int baseRow) {
  rig.Prefs.UpArrowClockwise = true;
  rig.Spawn(c.Type);
  rig.Fall();
  rig.Fall();
  for (int i = 0; i < 4 && rig.Turn() != c.State; ++i)
    rig.Tap(A::Turn);
  ASSERT_EQ(rig.Turn(), c.State);
  while (LowestRow(rig.Piece.Piece().Turned(c.Clockwise)) > baseRow)
    rig.Fall();
  ASSERT_FALSE(rig.LockDelayRunning());
  ASSERT_TRUE(Fits(rig.Piece.Piece().Turned(c.Clockwise), rig.Well));
  rig.Prefs.UpArrowClockwise = c.Clockwise;
  const TPiece turned = rig.Piece.Piece().Turned(c.Clockwise);
  rig.Tap(A::Turn);
  ASSERT_EQ(rig.Piece.Piece(), turned);
  ASSERT_EQ(LowestRow(turned), baseRow);
}

// Full rows of settled blocks at the bottom of the well.
void FillRows(PieceRig &rig, int rows) {
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= WellColumns; ++c)
      rig.Fill(c, r);
}

} // namespace

TEST(RestingPieceTest, EveryShapeLoweredByATurnOntoTheFloorOrBlocksLandsAfterTheNextFallStep) {
  const std::vector<TTurnCase> cases = LoweringTurns();
  ASSERT_GE(cases.size(), 14u); // at least the long piece and the tee, both ways
  for (int filledRows : {0, 2})
    for (const TTurnCase &c : cases) {
      SCOPED_TRACE(Describe(c, filledRows + 1));
      PieceRig rig;
      FillRows(rig, filledRows);
      TurnOntoBase(rig, c, filledRows + 1);
      const TPiece resting = rig.Piece.Piece();
      rig.Fall(); // the fall timer ticks
      EXPECT_TRUE(rig.LockDelayRunning());
      EXPECT_FALSE(rig.Piece.PauseAllowed());
      rig.Wait(150);
      EXPECT_EQ(rig.LockExpiries, 1);
      EXPECT_EQ(rig.Piece.Piece(), resting);
    }
}

TEST(RestingPieceTest, ADropOrTheDownKeyAfterTheTurnStartsTheLockDelayAtOnce) {
  for (A key : {A::Drop, A::Down})
    for (const TTurnCase &c : LoweringTurns()) {
      SCOPED_TRACE(Describe(c, 1) + (key == A::Drop ? " then Drop" : " then Down"));
      PieceRig rig;
      TurnOntoBase(rig, c, 1);
      const TPiece resting = rig.Piece.Piece();
      rig.Tap(key);
      EXPECT_TRUE(rig.LockDelayRunning());
      EXPECT_EQ(rig.Piece.Piece(), resting);
      EXPECT_FALSE(rig.Piece.DropPending());
    }
}

TEST(RestingPieceTest, APieceMovedSidewaysOntoBlocksRestsAtTheNextFallStep) {
  PieceRig rig;
  for (int c = 1; c <= 3; ++c)
    rig.Fill(c, 1);
  rig.Spawn(4); // the square, columns 5 and 6
  while (LowestRow(rig.Piece.Piece()) > 2)
    rig.Fall(); // free below it, on row 1
  ASSERT_FALSE(rig.LockDelayRunning());
  rig.Tap(A::Left);
  rig.Frames(4);
  rig.Tap(A::Left);
  rig.Frames(4);
  ASSERT_EQ(rig.Squares(), (TSquares{{3, 2}, {4, 2}, {3, 3}, {4, 3}}));
  rig.Fall();
  EXPECT_TRUE(rig.LockDelayRunning());
  EXPECT_TRUE(rig.Piece.RestsOnSomething());
}

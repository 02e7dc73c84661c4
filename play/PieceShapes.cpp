#include "play/PieceShapes.h"

#include "play/Well.h"

#include <QtGlobal>

#include <algorithm>

namespace {

// [type][state - 1][block]: each block's square when the piece is only turned from its spawn
// placement. Turning state r -> r + 1 is clockwise on screen. Types 0, 1, 2 and 6 turn about
// block 1, type 3 about block 0, type 4 not at all, type 5 about the corner shared by (5,17),
// (6,17), (5,18) and (6,18).
constexpr TSquare Shapes[PieceTypeCount][RotationStateCount][PieceBlockCount] = {
    {{{4, 18}, {5, 18}, {6, 18}, {6, 17}},
     {{5, 19}, {5, 18}, {5, 17}, {4, 17}},
     {{6, 18}, {5, 18}, {4, 18}, {4, 19}},
     {{5, 17}, {5, 18}, {5, 19}, {6, 19}}},
    {{{4, 18}, {5, 18}, {6, 18}, {4, 17}},
     {{5, 19}, {5, 18}, {5, 17}, {4, 19}},
     {{6, 18}, {5, 18}, {4, 18}, {6, 19}},
     {{5, 17}, {5, 18}, {5, 19}, {6, 17}}},
    {{{5, 18}, {6, 18}, {6, 17}, {7, 17}},
     {{6, 19}, {6, 18}, {5, 18}, {5, 17}},
     {{7, 18}, {6, 18}, {6, 19}, {5, 19}},
     {{6, 17}, {6, 18}, {7, 18}, {7, 19}}},
    {{{5, 18}, {6, 18}, {4, 17}, {5, 17}},
     {{5, 18}, {5, 17}, {4, 19}, {4, 18}},
     {{5, 18}, {4, 18}, {6, 19}, {5, 19}},
     {{5, 18}, {5, 19}, {6, 17}, {6, 18}}},
    {{{5, 18}, {6, 18}, {5, 17}, {6, 17}},
     {{5, 18}, {6, 18}, {5, 17}, {6, 17}},
     {{5, 18}, {6, 18}, {5, 17}, {6, 17}},
     {{5, 18}, {6, 18}, {5, 17}, {6, 17}}},
    {{{4, 18}, {5, 18}, {6, 18}, {7, 18}},
     {{6, 19}, {6, 18}, {6, 17}, {6, 16}},
     {{7, 17}, {6, 17}, {5, 17}, {4, 17}},
     {{5, 16}, {5, 17}, {5, 18}, {5, 19}}},
    {{{4, 18}, {5, 18}, {6, 18}, {5, 17}},
     {{5, 19}, {5, 18}, {5, 17}, {4, 18}},
     {{6, 18}, {5, 18}, {4, 18}, {5, 19}},
     {{5, 17}, {5, 18}, {5, 19}, {6, 18}}},
};

constexpr TSquare At(int type, int block, int state) { return Shapes[type][state - 1][block]; }

using TTableSet = std::array<std::array<TBlockTables, PieceBlockCount>, PieceTypeCount>;

constexpr TTableSet DeriveTables() {
  TTableSet all{};
  for (int type = 0; type < PieceTypeCount; ++type) {
    for (int block = 0; block < PieceBlockCount; ++block) {
      TBlockTables &t = all[type][block];
      t.Spawn = At(type, block, 1);
      for (int state = 1; state <= RotationStateCount; ++state) {
        const TSquare here = At(type, block, state);
        const TSquare cw = At(type, block, StateAfterCw(state));
        const TSquare acw = At(type, block, StateAfterAcw(state));
        t.CwDx[state] = cw.Col - here.Col;
        t.CwDy[state] = cw.Row - here.Row;
        t.AcwDx[state] = acw.Col - here.Col;
        t.AcwDy[state] = acw.Row - here.Row;

        // The block may go as far as the piece's outermost block in each direction allows.
        int lowCol = here.Col, highCol = here.Col, lowRow = here.Row, highRow = here.Row;
        for (int other = 0; other < PieceBlockCount; ++other) {
          const TSquare s = At(type, other, state);
          lowCol = std::min(lowCol, s.Col);
          highCol = std::max(highCol, s.Col);
          lowRow = std::min(lowRow, s.Row);
          highRow = std::max(highRow, s.Row);
        }
        t.MinCol[state] = 1 + (here.Col - lowCol);
        t.MaxCol[state] = WellColumns - (highCol - here.Col);
        t.MinRow[state] = 1 + (here.Row - lowRow);
        t.MaxRow[state] = WellRows - (highRow - here.Row);
      }
    }
  }
  return all;
}

constexpr TTableSet Tables = DeriveTables();

} // namespace

TSquare ShapeSquare(int type, int block, int state) {
  Q_ASSERT(type >= 0 && type < PieceTypeCount && block >= 0 && block < PieceBlockCount);
  Q_ASSERT(state >= 1 && state <= RotationStateCount);
  return At(type, block, state);
}

const TBlockTables &BlockTables(int type, int block) {
  Q_ASSERT(type >= 0 && type < PieceTypeCount && block >= 0 && block < PieceBlockCount);
  return Tables[type][block];
}

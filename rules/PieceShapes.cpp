#include "rules/PieceShapes.h"

#include <QtGlobal>

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

} // namespace

TSquare ShapeSquare(int type, int block, int state) {
  Q_ASSERT(type >= 0 && type < PieceTypeCount && block >= 0 && block < PieceBlockCount);
  Q_ASSERT(state >= 1 && state <= RotationStateCount);
  return At(type, block, state);
}

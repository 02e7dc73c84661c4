#pragma once
// The seven piece shapes with their four rotation states: where each block of an unmoved piece
// lies in each state. Moves and turns of a piece are TPiece's (play/Piece.h).

#include <array>

struct TSquare {
  int Col = 0;
  int Row = 0;
  constexpr bool operator==(const TSquare &) const = default;
};

constexpr int PieceTypeCount = 7;
constexpr int PieceBlockCount = 4;
constexpr int RotationStateCount = 4;

// Rotation state after a clockwise (state + 1, 4 -> 1) or anticlockwise (state - 1, 1 -> 4) turn.
constexpr int StateAfterCw(int state) { return state % RotationStateCount + 1; }
constexpr int StateAfterAcw(int state) {
  return (state + RotationStateCount - 2) % RotationStateCount + 1;
}

// Square of a block of an unmoved piece in a rotation state; type 0..6, block 0..3, state 1..4.
TSquare ShapeSquare(int type, int block, int state);

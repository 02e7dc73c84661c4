#pragma once
// The seven piece shapes with their four rotation states, and the per-block tables a block
// sprite copies at construction: the move of the block on a clockwise or anticlockwise turn
// from each state, and the squares the block may take in each state. The shapes are data; the
// tables are derived from them, so a shape fixed in one place fixes every table.

#include <array>

struct TSquare {
  int Col = 0;
  int Row = 0;
  constexpr bool operator==(const TSquare &) const = default;
};

// One value per rotation state, indexed 1..4 like the states themselves.
class TPerState {
public:
  constexpr int &operator[](int state) { return Values[state - 1]; }
  constexpr int operator[](int state) const { return Values[state - 1]; }

private:
  std::array<int, 4> Values{};
};

struct TBlockTables {
  TSquare Spawn; // the block's square in state 1 as the piece appears
  TPerState CwDx, CwDy;
  TPerState AcwDx, AcwDy;
  TPerState MinCol, MaxCol;
  TPerState MinRow, MaxRow;
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
// Everything the sprite of block `block` of a piece of type `type` starts with.
const TBlockTables &BlockTables(int type, int block);

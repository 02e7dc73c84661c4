#pragma once
// The falling piece as a value: its type, its rotation state and how far it has moved from where
// it appears, with the pure rules of moving, turning and dropping it over a well. Nothing here
// draws, times or reads keys.

#include "rules/PieceShapes.h"

#include <array>

class TWell;

struct TPiece {
  int Type = 0;    // 0..6
  int Turn = 1;    // rotation state 1..4
  TSquare Shift{}; // columns and rows moved since the piece appeared

  static TPiece Spawned(int type) { return {type, 1, {}}; }

  TSquare Block(int block) const;
  std::array<TSquare, PieceBlockCount> Blocks() const;
  TPiece Shifted(int cols, int rows) const {
    return {Type, Turn, {Shift.Col + cols, Shift.Row + rows}};
  }
  TPiece Turned(bool clockwise) const;
  // Every block lies within the well's columns and rows.
  bool InsideWell() const;
  // The lowest block lies on row 1.
  bool OnFloor() const;

  bool operator==(const TPiece &) const = default;
};

// Some block, moved by (cols, rows), would stand on a settled block. Squares outside the well
// count as free: walls and floor are InsideWell's.
bool Blocked(const TPiece &piece, const TWell &well, int cols, int rows);
// Inside the well and on free squares only.
bool Fits(const TPiece &piece, const TWell &well);
// A settled block lies directly below some block of the piece.
bool RestsOnSomething(const TPiece &piece, const TWell &well);
// How many rows the piece could fall straight down.
int DropDistance(const TPiece &piece, const TWell &well);
// Where a drop would settle the piece: straight down as far as it can fall.
TPiece LandingPlace(const TPiece &piece, const TWell &well);

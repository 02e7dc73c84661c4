#pragma once
// The level picture cut into a grid of cells, each hidden under one of eight colours until a
// cleared row uncovers it. Owns the cell grid, the cell list from which pieces take their target
// cells (hidden entries always first) and the uncovering. Where the cells stand is the layout's,
// which cells the pieces carry is the target choice's (TCellTargets); the picture itself and the
// drawing are the screen's.

#include "rules/CellLayout.h"

#include <vector>

class TRandom;

constexpr int CellColourCount = 8;

struct TPictureCell {
  bool Uncovered = false;
  int Col = 0;
  int Row = 0;
  int ColourIndex = 0; // into the cell colours; also the index of the block picture
};

struct TCellEntry {
  bool Uncovered = false;
  int Col = 0;
  int Row = 0;
};

struct TUncoverResult {
  bool Uncovered = false;     // the cell was hidden and is now shown (worth 100 points)
  bool LevelComplete = false; // no hidden cell is left
};

class TPictureCells {
public:
  // Cut a picture of `pictureSize` (its stored size, whatever size it was decoded at) into
  // cells of grid size `gridSize`. False (and nothing built) when the picture cannot be cut
  // into cells; such a level cannot be played.
  bool Build(QSize pictureSize, int gridSize);
  bool Built() const { return TotalCountValue > 0; }
  // Where the cells stand; empty until built.
  const TCellLayout &Layout() const { return LayoutValue; }

  const TPictureCell &Cell(int col, int row) const;
  const std::vector<TCellEntry> &CellList() const { return List; }
  int HiddenCount() const { return HiddenCountValue; }
  int TotalCount() const { return TotalCountValue; }

  // Level start: every cell, row by row, takes a random colour.
  void ColourCells(TRandom &random);

  // Uncovers cell (col, row) if it is hidden: its list entry moves behind the hidden ones.
  TUncoverResult Uncover(int col, int row);

private:
  TPictureCell &CellAt(int col, int row);

  TCellLayout LayoutValue;
  std::vector<TPictureCell> Grid; // column by column
  std::vector<TCellEntry> List;
  int HiddenCountValue = 0;
  int TotalCountValue = 0;
};

#pragma once
// The level picture cut into a grid of cells, each hidden under one of eight colours until a
// cleared row uncovers it. Owns the cell grid, the cell list from which pieces take their target
// cells (hidden entries always first), the choice of targets and the uncovering. Where the cells
// stand is the layout's; the picture itself and the drawing are the screen's.

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

  // Indices into the cell list; -1 until the first piece of the level is prepared.
  int CurrentTarget() const { return CurrentTargetIndex; }
  int NextTarget() const { return NextTargetIndex; }
  int TargetCellCol() const { return TargetCol; }
  int TargetCellRow() const { return TargetRow; }
  bool TargetHidden() const;
  // Colour index of the current target, which selects the falling piece's block picture, and
  // of the next target, shown in the preview.
  int TargetColourIndex() const;
  int NextTargetColourIndex() const;

  // The target part of preparing a piece: the current target becomes the previous next target
  // (or, for the first piece, a fresh draw after reseeding at `nowMs`), and a new next target is
  // drawn. Once fewer than half of the cells are hidden, about two pieces in three carry a cell
  // from the whole list, possibly one already uncovered.
  void ChooseTargets(TRandom &random, qint64 nowMs);

  // Uncovers cell (col, row) if it is hidden: its list entry moves behind the hidden ones.
  TUncoverResult Uncover(int col, int row);

private:
  TPictureCell &CellAt(int col, int row);
  int DrawTarget(TRandom &random) const;
  int FindEntry(int col, int row) const;

  TCellLayout LayoutValue;
  std::vector<TPictureCell> Grid; // column by column
  std::vector<TCellEntry> List;
  int HiddenCountValue = 0;
  int TotalCountValue = 0;
  int CurrentTargetIndex = -1;
  int NextTargetIndex = -1;
  int TargetCol = 0;
  int TargetRow = 0;
};

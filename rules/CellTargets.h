#pragma once
// The target choice: which picture cell the falling piece carries, and which the next piece will
// carry (shown in the preview). A piece takes its target from the cell list, hidden entries
// first; the targets are kept as cells rather than as places in that list, because uncovering
// moves entries about and the next piece must still carry the cell that was drawn for it. The
// cells are only read here.

#include <QPoint>

class TPictureCells;
class TRandom;

class TCellTargets {
public:
  // The target part of preparing a piece: the current target becomes the previous next target
  // (or, for the first piece of the level, a fresh draw after reseeding at `nowMs`), and a new
  // next target is drawn. Once fewer than half of the cells are hidden, about two pieces in three
  // carry a cell from the whole list, possibly one already uncovered. Nothing happens on cells
  // that are not built.
  void Choose(const TPictureCells &cells, TRandom &random, qint64 nowMs);

  // False until the level's first piece is prepared.
  bool Chosen() const { return ChosenValue; }
  // The cell (column, row) the falling piece carries and the one the next piece will carry;
  // (0, 0) until chosen.
  QPoint Current() const { return CurrentCell; }
  QPoint Next() const { return NextCell; }

  // The falling piece carries a cell that is still hidden.
  bool CurrentHidden(const TPictureCells &cells) const;
  // Colour index of the current target, which selects the falling piece's block picture, and of
  // the next target, shown in the preview; 0 until chosen.
  int CurrentColourIndex(const TPictureCells &cells) const;
  int NextColourIndex(const TPictureCells &cells) const;

private:
  bool ChosenValue = false;
  QPoint CurrentCell;
  QPoint NextCell;
};

#include "rules/CellTargets.h"

#include "rules/PictureCells.h"
#include "rules/Random.h"
#include "rules/Rounding.h"

namespace {

// Once fewer than half of the cells are hidden, a draw below 10000 that is at most this takes
// the next target from the whole list (about two pieces in three).
constexpr int AnyCellDrawRange = 10000;
constexpr int AnyCellDrawLimit = 6667;

// A cell from the cell list: both indices are drawn, whichever is taken.
QPoint DrawTarget(const TPictureCells &cells, TRandom &random) {
  const int hidden = random.Random(cells.HiddenCount());
  const int any = random.Random(cells.TotalCount());
  const bool fromAll = cells.HiddenCount() < RoundHalfEven(cells.TotalCount() / 2.0) &&
                       random.Random(AnyCellDrawRange) <= AnyCellDrawLimit;
  const TCellEntry &entry = cells.CellList()[size_t(fromAll ? any : hidden)];
  return {entry.Col, entry.Row};
}

} // namespace

void TCellTargets::Choose(const TPictureCells &cells, TRandom &random, qint64 nowMs) {
  if (!cells.Built())
    return;
  if (!ChosenValue) {
    random.Reseed(nowMs);
    CurrentCell = DrawTarget(cells, random);
    ChosenValue = true;
  } else {
    CurrentCell = NextCell;
  }
  NextCell = DrawTarget(cells, random);
}

bool TCellTargets::CurrentHidden(const TPictureCells &cells) const {
  return ChosenValue && !cells.Cell(CurrentCell.x(), CurrentCell.y()).Uncovered;
}

int TCellTargets::CurrentColourIndex(const TPictureCells &cells) const {
  return ChosenValue ? cells.Cell(CurrentCell.x(), CurrentCell.y()).ColourIndex : 0;
}

int TCellTargets::NextColourIndex(const TPictureCells &cells) const {
  return ChosenValue ? cells.Cell(NextCell.x(), NextCell.y()).ColourIndex : 0;
}

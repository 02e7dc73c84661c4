#include "rules/Landing.h"

#include "rules/Points.h"

#include <algorithm>

TLanding LandBlocks(TWell &well, TPictureCells &cells, const std::array<QPoint, 4> &blocks,
                    QPoint cell, int colourIndex) {
  TLanding landing;
  landing.Points = LandingPoints;
  for (const QPoint &b : blocks) {
    TWellSquare &square = well.Square(b.x(), b.y());
    square.Occupied = true;
    square.ColourIndex = colourIndex;
    square.CarriedCellCol = cell.x();
    square.CarriedCellRow = cell.y();
  }
  for (int r = 1; r <= WellRows;) {
    if (!well.RowFull(r)) {
      ++r;
      continue;
    }
    if (r == 1)
      for (int points : BottomRowPoints)
        landing.Points += points;
    if (landing.RowsRemoved++ == 0)
      landing.LowestRemovedRow = r;
    for (int c = 1; c <= WellColumns; ++c) {
      const TWellSquare &square = well.Square(c, r);
      const QPoint carried(square.CarriedCellCol, square.CarriedCellRow);
      const TUncoverResult uncovered = cells.Uncover(carried.x(), carried.y());
      if (uncovered.Uncovered) {
        landing.Points += UncoveredCellPoints;
        landing.UncoveredCells.push_back(carried);
      }
      landing.LevelComplete = landing.LevelComplete || uncovered.LevelComplete;
      well.CollapseColumn(c, r);
    }
  }
  landing.Points += RowsBonusPerRow * landing.RowsRemoved;
  static const char *const lineSounds[] = {"LineOne", "LineTwo", "LineThree", "LineFour"};
  if (landing.RowsRemoved > 0)
    landing.LineSound = lineSounds[std::min(landing.RowsRemoved, 4) - 1];
  return landing;
}

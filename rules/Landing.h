#pragma once
// The rules of a landing, with nothing drawn: the piece's four blocks settle in the well, full
// rows are removed from the bottom up with the well collapsing above them, and every block of a
// removed row uncovers the picture cell it carries. What happened comes back for the caller to
// show, sound and score.

#include "rules/PictureCells.h"
#include "rules/Well.h"

#include <QPoint>
#include <QString>

#include <array>
#include <vector>

struct TLanding {
  int RowsRemoved = 0;
  int LowestRemovedRow = 0;           // 0 when no row was removed
  std::vector<QPoint> UncoveredCells; // (col, row) of each cell, in the order uncovered
  int Points = 0;                     // everything the landing scored
  bool LevelComplete = false;         // no hidden cell is left
  QString LineSound;                  // for the rows removed; empty for none
};

// blocks: the four (col, row) squares the piece rests on; cell: the picture cell it carries;
// colourIndex: the colour its blocks are drawn in.
TLanding LandBlocks(TWell &well, TPictureCells &cells, const std::array<QPoint, 4> &blocks,
                    QPoint cell, int colourIndex);

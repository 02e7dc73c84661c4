#pragma once
// The picture cells as the window picture shows them: the grid lines and outline, each hidden
// cell in its colour, and each uncovered cell as its part of the level's picture.

#include <QRgb>

class QImage;
class QRegion;
class TPictureCells;

// Cell colour of an index 0..7, as an RGB value.
QRgb CellColour(int index);

// Grid lines and outline. Returns the pixels that changed: none where the grid stood intact.
QRegion DrawCellGrid(QImage &windowPicture, const TPictureCells &cells);
// Level start: the grid, and every cell filled with its colour.
void DrawHiddenCells(QImage &windowPicture, const TPictureCells &cells);
// An uncovered cell: its part of `shownPicture` (the picture at its shown size), with the grid
// over it. Returns the pixels drawn on.
QRegion PaintUncoveredCell(QImage &windowPicture, const TPictureCells &cells,
                           const QImage &shownPicture, int col, int row);

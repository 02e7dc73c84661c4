#pragma once
// The picture cells as the window picture shows them: the grid lines and outline, each hidden
// cell in its colour, and each uncovered cell as its part of the level's picture.

#include <QRgb>

class QImage;
class TPictureCells;

// Cell colour of an index 0..7, as an RGB value.
QRgb CellColour(int index);

// Grid lines and outline.
void DrawCellGrid(QImage &windowPicture, const TPictureCells &cells);
// Level start: the grid, and every cell filled with its colour.
void DrawHiddenCells(QImage &windowPicture, const TPictureCells &cells);
// An uncovered cell: its part of `shownPicture` (the picture at its shown size), with the grid
// over it.
void PaintUncoveredCell(QImage &windowPicture, const TPictureCells &cells,
                        const QImage &shownPicture, int col, int row);

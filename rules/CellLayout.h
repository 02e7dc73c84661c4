#pragma once
// Where the cells of a level picture stand on the 600 x 400 window picture: the picture centred
// in the left 300 pixels, cut into columns x rows cells of whole pixels. Partial cells at the
// right and bottom edges are left out. Fixed once the picture is cut.

#include "rules/PictureGeometry.h"

#include <QPoint>
#include <QRect>

#include <optional>

class TCellLayout {
public:
  // The layout of a picture of `pictureSize` (its stored size, whatever size it was decoded at)
  // cut into cells of grid size `gridSize`. Empty when the picture cannot be cut into cells.
  static std::optional<TCellLayout> Cut(QSize pictureSize, int gridSize);

  int Columns() const { return ColumnCount; }
  int Rows() const { return RowCount; }
  bool Contains(int col, int row) const {
    return col >= 0 && col < ColumnCount && row >= 0 && row < RowCount;
  }
  const TPictureGeometry &Geometry() const { return Geom; } // w, h, cw', ch'
  int CellWidth() const { return Cw; }                      // cw, the truncated cw'
  int CellHeight() const { return Ch; }                     // ch
  QPoint Origin() const { return OriginPoint; }
  int PictureWidth() const { return Cw * ColumnCount; }
  int PictureHeight() const { return Ch * RowCount; }
  // Window rectangle of cell (col, row), counted from 0.
  QRect CellRect(int col, int row) const;

private:
  TPictureGeometry Geom;
  int ColumnCount = 0;
  int RowCount = 0;
  int Cw = 0;
  int Ch = 0;
  QPoint OriginPoint;
};

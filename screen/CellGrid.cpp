#include "screen/CellGrid.h"

#include "rules/PictureCells.h"
#include "screen/Canvas.h"

#include <QImage>
#include <QPainter>

namespace {

constexpr quint32 CellColourValues[CellColourCount] = {
    11842740, 2804196, 3026673, 13321249, 14566549, 13316812, 2733894, 15373352,
};
constexpr QRgb GridLineColour = WindowColour(17877);
constexpr QRgb OutlineColour = WindowColour(16776960);
constexpr QRgb CellEdgeColour = WindowColour(8421504);

} // namespace

QRgb CellColour(int index) {
  Q_ASSERT(index >= 0 && index < CellColourCount);
  return WindowColour(CellColourValues[index]);
}

void DrawCellGrid(QImage &windowPicture, const TPictureCells &cells) {
  if (!cells.Built())
    return;
  QPainter painter(&windowPicture);
  const int left = cells.Origin().x(), top = cells.Origin().y();
  const int right = left + cells.PictureWidth(), bottom = top + cells.PictureHeight();
  for (int col = 0; col < cells.Columns(); ++col) {
    const int x = left + col * cells.CellWidth();
    CanvasLine(painter, {x, top}, {x, bottom}, GridLineColour);
  }
  for (int row = 0; row < cells.Rows(); ++row) {
    const int y = top + row * cells.CellHeight();
    CanvasLine(painter, {left, y}, {right, y}, GridLineColour);
  }
  CanvasPolyline(painter, {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}},
                 OutlineColour);
}

void DrawHiddenCells(QImage &windowPicture, const TPictureCells &cells) {
  DrawCellGrid(windowPicture, cells);
  QPainter painter(&windowPicture);
  const QPoint size(cells.CellWidth(), cells.CellHeight());
  for (int row = 0; row < cells.Rows(); ++row) {
    for (int col = 0; col < cells.Columns(); ++col) {
      const QPoint topLeft = cells.CellRect(col, row).topLeft();
      CanvasRectangle(painter, topLeft, topLeft + size, CellEdgeColour,
                      CellColour(cells.Cell(col, row).ColourIndex));
    }
  }
}

void PaintUncoveredCell(QImage &windowPicture, const TPictureCells &cells,
                        const QImage &shownPicture, int col, int row) {
  {
    QPainter painter(&windowPicture);
    const QRect cell = cells.CellRect(col, row);
    painter.drawImage(
        cell.topLeft(), shownPicture,
        QRect(col * cells.CellWidth(), row * cells.CellHeight(), cell.width(), cell.height()));
  }
  DrawCellGrid(windowPicture, cells);
}

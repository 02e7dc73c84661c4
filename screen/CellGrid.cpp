#include "screen/CellGrid.h"

#include "rules/PictureCells.h"
#include "screen/Canvas.h"

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <vector>

namespace {

constexpr quint32 CellColourValues[CellColourCount] = {
    11842740, 2804196, 3026673, 13321249, 14566549, 13316812, 2733894, 15373352,
};
constexpr QRgb GridLineColour = WindowColour(17877);
constexpr QRgb OutlineColour = WindowColour(16776960);
constexpr QRgb CellEdgeColour = WindowColour(8421504);

QRegion GridLines(const TCellLayout &layout) {
  const int left = layout.Origin().x(), top = layout.Origin().y();
  const int width = layout.PictureWidth(), height = layout.PictureHeight();
  QRegion lines;
  for (int col = 0; col <= layout.Columns(); ++col)
    lines += QRect(left + col * layout.CellWidth(), top, 1, height + 1);
  for (int row = 0; row <= layout.Rows(); ++row)
    lines += QRect(left, top + row * layout.CellHeight(), width + 1, 1);
  return lines;
}

std::vector<QRgb> PixelsOf(const QImage &picture, const QRegion &region) {
  std::vector<QRgb> pixels;
  for (const QRect &rect : region)
    for (int y = rect.top(); y <= rect.bottom(); ++y)
      for (int x = rect.left(); x <= rect.right(); ++x)
        pixels.push_back(picture.pixel(x, y));
  return pixels;
}

void DrawGrid(QImage &windowPicture, const TCellLayout &layout) {
  QPainter painter(&windowPicture);
  const int left = layout.Origin().x(), top = layout.Origin().y();
  const int right = left + layout.PictureWidth(), bottom = top + layout.PictureHeight();
  for (int col = 0; col < layout.Columns(); ++col) {
    const int x = left + col * layout.CellWidth();
    CanvasLine(painter, {x, top}, {x, bottom}, GridLineColour);
  }
  for (int row = 0; row < layout.Rows(); ++row) {
    const int y = top + row * layout.CellHeight();
    CanvasLine(painter, {left, y}, {right, y}, GridLineColour);
  }
  CanvasPolyline(painter, {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}},
                 OutlineColour);
}

} // namespace

QRgb CellColour(int index) {
  Q_ASSERT(index >= 0 && index < CellColourCount);
  return WindowColour(CellColourValues[index]);
}

QRegion DrawCellGrid(QImage &windowPicture, const TPictureCells &cells) {
  if (!cells.Built())
    return {};
  // The grid is drawn again with every piece, mostly over itself: only lines that something
  // drew over change, and only they need showing.
  const QRegion lines = GridLines(cells.Layout()) & windowPicture.rect();
  const std::vector<QRgb> before = PixelsOf(windowPicture, lines);
  DrawGrid(windowPicture, cells.Layout());
  QRegion changed;
  size_t at = 0;
  for (const QRect &rect : lines) {
    const std::vector<QRgb> now = PixelsOf(windowPicture, rect);
    if (!std::equal(now.begin(), now.end(), before.begin() + qsizetype(at)))
      changed += rect;
    at += now.size();
  }
  return changed;
}

void DrawHiddenCells(QImage &windowPicture, const TPictureCells &cells) {
  DrawCellGrid(windowPicture, cells);
  QPainter painter(&windowPicture);
  const TCellLayout &layout = cells.Layout();
  const QPoint size(layout.CellWidth(), layout.CellHeight());
  for (int row = 0; row < layout.Rows(); ++row) {
    for (int col = 0; col < layout.Columns(); ++col) {
      const QPoint topLeft = layout.CellRect(col, row).topLeft();
      CanvasRectangle(painter, topLeft, topLeft + size, CellEdgeColour,
                      CellColour(cells.Cell(col, row).ColourIndex));
    }
  }
}

QRegion PaintUncoveredCell(QImage &windowPicture, const TPictureCells &cells,
                           const QImage &shownPicture, int col, int row) {
  const TCellLayout &layout = cells.Layout();
  const QRect cell = layout.CellRect(col, row);
  {
    QPainter painter(&windowPicture);
    painter.drawImage(
        cell.topLeft(), shownPicture,
        QRect(col * layout.CellWidth(), row * layout.CellHeight(), cell.width(), cell.height()));
  }
  return DrawCellGrid(windowPicture, cells) + cell;
}

#include "rules/CellLayout.h"

#include "rules/Rounding.h"

namespace {

// The picture stands centred in the left part of the window picture.
constexpr int AreaWidth = 300;
constexpr int AreaHeight = 400;

} // namespace

std::optional<TCellLayout> TCellLayout::Cut(QSize pictureSize, int gridSize) {
  const std::optional<TPictureGeometry> geometry = PictureGeometry(pictureSize, gridSize);
  if (!geometry)
    return std::nullopt;

  TCellLayout layout;
  layout.Geom = *geometry;
  layout.Cw = Trunc(layout.Geom.CellWidth);
  layout.Ch = Trunc(layout.Geom.CellHeight);
  layout.ColumnCount = layout.Geom.Width / layout.Cw;
  layout.RowCount = layout.Geom.Height / layout.Ch;
  layout.OriginPoint = QPoint(CentreOffset(AreaWidth, layout.Geom.Width),
                              CentreOffset(AreaHeight, layout.Geom.Height));
  return layout;
}

QRect TCellLayout::CellRect(int col, int row) const {
  return QRect(OriginPoint.x() + col * Cw, OriginPoint.y() + row * Ch, Cw, Ch);
}

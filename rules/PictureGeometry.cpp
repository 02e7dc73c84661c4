#include "rules/PictureGeometry.h"

#include "rules/Rounding.h"

namespace {

constexpr double MaxWidth = 270;
constexpr double MaxHeight = 360;
constexpr double MaxCellStretch = 1.3;

// The cell's other side from its given side; halved when it would be too long.
double OtherSide(double side, double ratio) {
  double other = side / ratio;
  if (other > MaxCellStretch * side)
    other /= 2;
  return other;
}

} // namespace

std::optional<TPictureGeometry> PictureGeometry(QSize picture, int gridSize) {
  if (gridSize <= 0 || picture.width() <= 0 || picture.height() <= 0)
    return std::nullopt;
  const double aspect = double(picture.width()) / picture.height();
  const double inverse = double(picture.height()) / picture.width();

  TPictureGeometry g;
  g.CellWidth = gridSize;
  g.Width = Trunc(Trunc(picture.width() / g.CellWidth) * g.CellWidth);
  g.Height = Trunc(g.Width / aspect);
  g.CellHeight = OtherSide(g.CellWidth, aspect);

  if (g.Width > MaxWidth) {
    g.Width = Trunc(Trunc(MaxWidth / g.CellWidth) * g.CellWidth);
    g.Height = Trunc(g.Width / aspect);
    g.CellHeight = OtherSide(g.CellWidth, aspect);
  }
  if (g.Height > MaxHeight) {
    g.CellHeight = gridSize;
    g.Height = Trunc(Trunc(MaxHeight / g.CellHeight) * g.CellHeight);
    g.Width = Trunc(g.Height / inverse);
    g.CellWidth = OtherSide(g.CellHeight, inverse);
  }

  // At least one whole cell across and down.
  if (Trunc(g.CellWidth) < 1 || Trunc(g.CellHeight) < 1 || g.Width < Trunc(g.CellWidth) ||
      g.Height < Trunc(g.CellHeight))
    return std::nullopt;
  return g;
}

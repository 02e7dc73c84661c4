#include "rules/PictureCells.h"

#include "rules/Random.h"

#include <algorithm>
#include <utility>

bool TPictureCells::Build(QSize pictureSize, int gridSize) {
  *this = TPictureCells();
  const std::optional<TCellLayout> layout = TCellLayout::Cut(pictureSize, gridSize);
  if (!layout)
    return false;

  LayoutValue = *layout;
  TotalCountValue = HiddenCountValue = LayoutValue.Columns() * LayoutValue.Rows();
  Grid.reserve(TotalCountValue);
  List.reserve(TotalCountValue);
  for (int col = 0; col < LayoutValue.Columns(); ++col) {
    for (int row = 0; row < LayoutValue.Rows(); ++row) {
      Grid.push_back({false, col, row, 0});
      List.push_back({false, col, row});
    }
  }
  return true;
}

const TPictureCell &TPictureCells::Cell(int col, int row) const {
  Q_ASSERT(LayoutValue.Contains(col, row));
  return Grid[col * LayoutValue.Rows() + row];
}

TPictureCell &TPictureCells::CellAt(int col, int row) {
  return const_cast<TPictureCell &>(std::as_const(*this).Cell(col, row));
}

void TPictureCells::ColourCells(TRandom &random) {
  for (int row = 0; row < LayoutValue.Rows(); ++row)
    for (int col = 0; col < LayoutValue.Columns(); ++col)
      CellAt(col, row).ColourIndex = random.Random(CellColourCount);
}

TUncoverResult TPictureCells::Uncover(int col, int row) {
  if (!Built() || !LayoutValue.Contains(col, row) || Cell(col, row).Uncovered)
    return {false, HiddenCountValue == 0};

  CellAt(col, row).Uncovered = true;
  const auto found = std::find_if(List.begin(), List.end(), [&](const TCellEntry &entry) {
    return entry.Col == col && entry.Row == row;
  });
  Q_ASSERT(found != List.end());
  TCellEntry entry = *found;
  entry.Uncovered = true;
  List.erase(found);
  List.push_back(entry);
  --HiddenCountValue;
  return {true, HiddenCountValue == 0};
}

#include "rules/PictureCells.h"

#include "rules/Random.h"
#include "rules/Rounding.h"

#include <algorithm>
#include <utility>

namespace {

// Once fewer than half of the cells are hidden, a draw below 10000 that is at most this takes
// the next target from the whole list (about two pieces in three).
constexpr int AnyCellDrawRange = 10000;
constexpr int AnyCellDrawLimit = 6667;

} // namespace

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

bool TPictureCells::TargetHidden() const {
  return CurrentTargetIndex >= 0 && !Cell(TargetCol, TargetRow).Uncovered;
}

int TPictureCells::TargetColourIndex() const {
  return CurrentTargetIndex >= 0 ? Cell(TargetCol, TargetRow).ColourIndex : 0;
}

int TPictureCells::NextTargetColourIndex() const {
  if (NextTargetIndex < 0)
    return 0;
  const TCellEntry &next = List[NextTargetIndex];
  return Cell(next.Col, next.Row).ColourIndex;
}

void TPictureCells::ColourCells(TRandom &random) {
  for (int row = 0; row < LayoutValue.Rows(); ++row)
    for (int col = 0; col < LayoutValue.Columns(); ++col)
      CellAt(col, row).ColourIndex = random.Random(CellColourCount);
}

int TPictureCells::DrawTarget(TRandom &random) const {
  const int hidden = random.Random(HiddenCountValue);
  const int any = random.Random(TotalCountValue);
  if (HiddenCountValue < RoundHalfEven(TotalCountValue / 2.0) &&
      random.Random(AnyCellDrawRange) <= AnyCellDrawLimit)
    return any;
  return hidden;
}

void TPictureCells::ChooseTargets(TRandom &random, qint64 nowMs) {
  if (!Built())
    return;
  if (CurrentTargetIndex == -1) {
    random.Reseed(nowMs);
    CurrentTargetIndex = DrawTarget(random);
  } else {
    CurrentTargetIndex = NextTargetIndex;
  }
  NextTargetIndex = DrawTarget(random);
  TargetCol = List[CurrentTargetIndex].Col;
  TargetRow = List[CurrentTargetIndex].Row;
}

int TPictureCells::FindEntry(int col, int row) const {
  const auto found = std::find_if(List.begin(), List.end(), [&](const TCellEntry &entry) {
    return entry.Col == col && entry.Row == row;
  });
  return found == List.end() ? -1 : int(found - List.begin());
}

TUncoverResult TPictureCells::Uncover(int col, int row) {
  if (!Built() || !LayoutValue.Contains(col, row) || Cell(col, row).Uncovered)
    return {false, HiddenCountValue == 0};

  CellAt(col, row).Uncovered = true;

  // The next target is an index into the list, which is about to shift: keep its cell.
  const TCellEntry nextCell = NextTargetIndex >= 0 ? List[NextTargetIndex] : TCellEntry{};
  const int index = FindEntry(col, row);
  TCellEntry entry = List[index];
  entry.Uncovered = true;
  List.erase(List.begin() + index);
  List.push_back(entry);
  --HiddenCountValue;
  if (NextTargetIndex >= 0)
    NextTargetIndex = FindEntry(nextCell.Col, nextCell.Row);
  return {true, HiddenCountValue == 0};
}

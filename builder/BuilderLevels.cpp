#include "builder/BuilderLevels.h"

#include "gamefile/PictureType.h"

#include <algorithm>

void TBuilderLevels::Changed() {
  if (OnChange)
    OnChange();
}

void TBuilderLevels::Fill(const QList<TLevel> &levels) {
  List = levels;
  CurrentLevel = List.isEmpty() ? 0 : 1;
}

const TLevel *TBuilderLevels::CurrentData() const {
  return CurrentLevel == 0 ? nullptr : &List[CurrentLevel - 1];
}

int TBuilderLevels::CurrentGridSize() const {
  return CurrentLevel == 0 ? MinGridSize : List[CurrentLevel - 1].GridSize;
}

int TBuilderLevels::Take(const QStringList &files, bool insert) {
  int taken = 0;
  for (const QString &file : files) {
    const quint8 type = PictureTypeOfFileName(file);
    if (type == PictureNone)
      continue;
    const int at = insert ? CurrentLevel : Count(); // 0-based index of the new level
    List.insert(at, TLevel{file, type, quint8(NewLevelGridSize)});
    CurrentLevel = at + 1;
    Changed();
    ++taken;
  }
  return taken;
}

bool TBuilderLevels::DeleteCurrent() {
  if (CurrentLevel == 0)
    return false;
  List.removeAt(CurrentLevel - 1);
  CurrentLevel = std::min(CurrentLevel, Count());
  Changed();
  return true;
}

bool TBuilderLevels::SwapCurrentWith(int other) {
  if (CurrentLevel == 0 || other < 1 || other > Count())
    return false;
  List.swapItemsAt(CurrentLevel - 1, other - 1);
  CurrentLevel = other;
  Changed();
  return true;
}

bool TBuilderLevels::Select(int level) {
  if (CurrentLevel == 0 || level < 1 || level > Count())
    return false;
  CurrentLevel = level;
  Changed();
  return true;
}

bool TBuilderLevels::SetGridSize(int size) {
  if (CurrentLevel == 0)
    return false;
  List[CurrentLevel - 1].GridSize = quint8(std::clamp(size, MinGridSize, MaxGridSize));
  Changed();
  return true;
}

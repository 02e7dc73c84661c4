#include "builder/BuilderModel.h"

#include <algorithm>

void TBuilderModel::Reset() {
  for (TSkin &skin : Skins) {
    skin.Path.clear();
    skin.Type = PictureNone;
  }
  LevelList.clear();
  Current = 0;
  Shown = SkinStart;
}

void TBuilderModel::FillFrom(const TGameData &game) {
  for (TSkinKind kind : {SkinStart, SkinPlaying, SkinGameOver}) {
    Skins[size_t(kind)].Path = game.Skin(kind).Path;
    Skins[size_t(kind)].Type = game.Skin(kind).Type;
  }
  LevelList = game.Levels;
  Current = LevelList.isEmpty() ? 0 : 1;
  Shown = SkinStart;
}

void TBuilderModel::TakeLayout(const TGameData &game) {
  for (TSkinKind kind : {SkinStart, SkinPlaying, SkinGameOver})
    Skins[size_t(kind)].Stretch = game.Skin(kind).Stretch;
  Boxes = {game.PlayBox, game.ScoreBox, game.NextBox};
}

void TBuilderModel::ApplyBoxes(TGameData &game) const {
  game.PlayBox = Boxes[0];
  game.ScoreBox = Boxes[1];
  game.NextBox = Boxes[2];
}

void TBuilderModel::ApplyTo(TGameData &game) const {
  ApplyBoxes(game);
  for (TSkinKind kind : {SkinStart, SkinPlaying, SkinGameOver})
    game.Skin(kind) = Skins[size_t(kind)];
  game.Levels = LevelList;
  game.MarkBuilt();
}

QString TBuilderModel::Validate() const {
  const auto missing = [this](TSkinKind kind) {
    return Skin(kind).Path.isEmpty() || Skin(kind).Type == PictureNone;
  };
  if (missing(SkinStart))
    return tr("No defined Start Image Found!");
  if (missing(SkinPlaying))
    return tr("No defined Levels Image Found!");
  if (missing(SkinGameOver))
    return tr("No defined Game Over Image Found!");
  if (LevelList.isEmpty())
    return tr("No defined Level Found!");
  return QString();
}

void TBuilderModel::SetSkin(TSkinKind kind, const QString &path) {
  Skins[size_t(kind)].Path = path;
  Skins[size_t(kind)].Type = PictureTypeOfFileName(path);
}

const TLevel *TBuilderModel::CurrentLevelData() const {
  return Current == 0 ? nullptr : &LevelList[Current - 1];
}

int TBuilderModel::CurrentGridSize() const {
  return Current == 0 ? MinGridSize : LevelList[Current - 1].GridSize;
}

int TBuilderModel::AddLevels(const QStringList &files) { return TakeLevels(files, false); }

int TBuilderModel::InsertLevels(const QStringList &files) { return TakeLevels(files, true); }

int TBuilderModel::TakeLevels(const QStringList &files, bool insert) {
  int taken = 0;
  for (const QString &file : files) {
    const quint8 type = PictureTypeOfFileName(file);
    if (type == PictureNone)
      continue;
    const int at = insert ? Current : LevelCount(); // 0-based index of the new level
    LevelList.insert(at, TLevel{file, type, quint8(NewLevelGridSize)});
    Current = at + 1;
    Shown = SkinPlaying;
    ++taken;
  }
  return taken;
}

bool TBuilderModel::DeleteCurrentLevel() {
  if (Current == 0)
    return false;
  LevelList.removeAt(Current - 1);
  Current = std::min(Current, LevelCount());
  Shown = SkinPlaying;
  return true;
}

bool TBuilderModel::SwapCurrentWith(int other) {
  if (Current == 0 || other < 1 || other > LevelCount())
    return false;
  LevelList.swapItemsAt(Current - 1, other - 1);
  Current = other;
  Shown = SkinPlaying;
  return true;
}

bool TBuilderModel::MoveCurrentUp() { return SwapCurrentWith(Current + 1); }

bool TBuilderModel::MoveCurrentDown() { return Current > 1 && SwapCurrentWith(Current - 1); }

bool TBuilderModel::SelectLevel(int level) {
  if (Current == 0 || level < 1 || level > LevelCount())
    return false;
  Current = level;
  Shown = SkinPlaying;
  return true;
}

bool TBuilderModel::SelectFirst() { return SelectLevel(1); }

bool TBuilderModel::SelectPrevious() { return Current > 1 && SelectLevel(Current - 1); }

bool TBuilderModel::SelectNext() { return SelectLevel(Current + 1); }

bool TBuilderModel::SelectLast() { return SelectLevel(LevelCount()); }

bool TBuilderModel::SetGridSize(int size) {
  if (Current == 0)
    return false;
  LevelList[Current - 1].GridSize = quint8(std::clamp(size, MinGridSize, MaxGridSize));
  Shown = SkinPlaying;
  return true;
}

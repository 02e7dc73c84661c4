#include "builder/BuilderModel.h"

void TBuilderModel::Reset() {
  for (TSkin &skin : Skins) {
    skin.Path.clear();
    skin.Type = PictureNone;
  }
  LevelList.Fill({});
  Shown = SkinStart;
}

void TBuilderModel::FillFrom(const TGameData &game) {
  for (TSkinKind kind : {SkinStart, SkinPlaying, SkinGameOver}) {
    Skins[size_t(kind)].Path = game.Skin(kind).Path;
    Skins[size_t(kind)].Type = game.Skin(kind).Type;
  }
  LevelList.Fill(game.Levels);
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
  game.Levels = LevelList.All();
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
  if (LevelList.Count() == 0)
    return tr("No defined Level Found!");
  return QString();
}

void TBuilderModel::SetSkin(TSkinKind kind, const QString &path) {
  Skins[size_t(kind)].Path = path;
  Skins[size_t(kind)].Type = PictureTypeOfFileName(path);
}

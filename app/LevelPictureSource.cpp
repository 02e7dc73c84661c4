#include "app/LevelPictureSource.h"

#include "app/CommandLine.h"
#include "app/GameDocument.h"
#include "app/GameMessages.h"
#include "pictures/CellPicture.h"
#include "rules/PictureCells.h"

#include <QCoreApplication>

namespace {

TLevelPictureRequest PictureOf(const TLevel &level, const TSkin &playingSkin) {
  return {level.Path, quint8(level.Type), level.GridSize, playingSkin.Path,
          quint8(playingSkin.Type)};
}

} // namespace

int TLevelPictureSource::LevelCount() const { return Document.Game.LevelCount(); }

std::optional<TLevelLook> TLevelPictureSource::Prepare(int level, TPictureCells &cells) {
  const TGameData &game = Document.Game;
  if (level < 1 || level > game.LevelCount())
    return std::nullopt;
  const TLevel &chosen = game.Levels[level - 1];
  // Pictures decoded ahead have been copied out already; copying out names the files.
  if (!Loader.Requested(PictureOf(chosen, game.PlayingSkin))) {
    Messages.ReportFailure(Document.CopyOutSkin(TGameDocument::PlayingSkin));
    if (const TStatus copied = Document.CopyOutLevel(level); !copied.Ok()) {
      Messages.Report(copied.Error());
      return std::nullopt;
    }
  }
  TLevelPicture picture = Loader.Take(PictureOf(chosen, game.PlayingSkin));
  const QImage &image = picture.Decoded.Image;
  const QSize storedSize = picture.OriginalSize.isEmpty() ? image.size() : picture.OriginalSize;
  const QString why =
      !picture.Decoded.Ok() ? picture.Decoded.Reason
      : image.isNull() || !cells.Build(storedSize, chosen.GridSize)
          ? QCoreApplication::translate("TGame", "its picture cannot be cut into cells")
          : QString();
  if (!why.isEmpty()) {
    Messages.Report(QCoreApplication::translate(
                        "TGame", "Level %1 of %2 cannot be shown: %3. The level is skipped.")
                        .arg(level)
                        .arg(ShownFileName(game.FilePath), why));
    return std::nullopt;
  }
  return TLevelLook{std::move(picture.Skin), CellPicture(image, cells.Layout().Geometry())};
}

// What goes wrong is left to the level start to report.
void TLevelPictureSource::Prefetch(int level) {
  Loader.Drop();
  const TGameData &game = Document.Game;
  if (!Loader.Background() || level < 1 || level > game.LevelCount())
    return;
  if (!Document.CopyOutLevel(level).Ok())
    return;
  Messages.ReportFailure(Document.CopyOutSkin(TGameDocument::PlayingSkin));
  Loader.Request(PictureOf(game.Levels[level - 1], game.PlayingSkin));
}

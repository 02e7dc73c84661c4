#pragma once
// The title picture of a game (its start skin) made small for the games gallery. The picture
// goes through the game's bounded decoder, at the smallest JPEG scale that covers the
// thumbnail, so a hostile picture is refused instead of stalling the gallery. Thumbnails are
// kept in a cache folder under a name made from the game's path, size and change time, so an
// unchanged game is not decoded again and a changed one is.

#include "gamefile/Result.h"

#include <QImage>
#include <QSize>
#include <QString>

// <cache home>/quarrybox/thumbnails
QString DefaultThumbnailFolder();

class TGameThumbnails {
public:
  TGameThumbnails(QString cacheFolder, QSize box) : Folder(std::move(cacheFolder)), Box(box) {}

  // The thumbnail, from the cache or made and cached; a failure says why the game's title
  // picture cannot be shown.
  TResult<QImage> Thumbnail(const QString &gamePath) const;
  // Where the cache keeps the thumbnail of the game as it is now; empty where there is none.
  QString CachePath(const QString &gamePath) const;

private:
  TResult<QImage> Make(const QString &gamePath) const;

  QString Folder;
  QSize Box;
};

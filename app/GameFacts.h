#pragma once
// What the games gallery tells about a game: its number of levels, its best score and who made
// it, and its title picture. The scores of a game this user cannot write are those of the
// user's score store, as when the game is played. Read on a worker thread.

#include "app/GameThumbnail.h"
#include "gamefile/GameData.h"

#include <QImage>
#include <QString>

#include <optional>

struct TGameFacts {
  int Levels = 0;
  std::optional<TScoreEntry> Best; // none before the first score
  QImage Thumbnail;                // null: the game's title picture cannot be shown
  QString Problem;                 // why the game (or its picture) cannot be shown
};

TGameFacts ReadGameFacts(const QString &path, const QString &scoreStoreFolder,
                         const TGameThumbnails &thumbnails);

#include "app/GameFacts.h"

#include "gamefile/GameFileReader.h"
#include "gamefile/ScoreStore.h"

#include <QFileInfo>

namespace {

// The table the game is played for: the store's where the game cannot keep its own.
TScoreTable PlayedTable(const QString &path, const TScoreTable &own, const QString &storeFolder) {
  if (QFileInfo(path).isWritable() || storeFolder.isEmpty())
    return own;
  const TScoreStore store(storeFolder);
  const TResult<QString> key = TScoreStore::KeyOf(path);
  if (!key.Ok() || !store.Contains(key.Value()))
    return own;
  const TResult<TScoreTable> stored = store.Load(key.Value());
  return stored.Ok() ? stored.Value() : own;
}

} // namespace

TGameFacts ReadGameFacts(const QString &path, const QString &scoreStoreFolder,
                         const TGameThumbnails &thumbnails) {
  TGameFacts facts;
  TResult<TGameFileReader> reader = TGameFileReader::Open(path);
  const TResult<TGameHeader> header =
      reader.Ok() ? reader->ReadHeader() : TResult<TGameHeader>(reader.Status());
  if (!header.Ok()) {
    facts.Problem = header.Error();
    return facts;
  }
  facts.Levels = header->LevelCount;
  const TScoreTable table = PlayedTable(path, header->Scores, scoreStoreFolder);
  if (table.front().Score > 0)
    facts.Best = table.front();
  const TResult<QImage> thumbnail = thumbnails.Thumbnail(path);
  if (thumbnail.Ok())
    facts.Thumbnail = thumbnail.Value();
  else
    facts.Problem = thumbnail.Error();
  return facts;
}

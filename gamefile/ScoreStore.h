#pragma once
// High-score tables of games this user cannot write to (installed by a package, or in a
// read-only folder), kept in the user's data folder instead of inside the game. A table is
// filed under a hash of the game's bytes, so a copy of the game moved elsewhere finds it again.
// One text file per game: ten lines "score<TAB>name".

#include "gamefile/GameData.h"
#include "gamefile/Result.h"

#include <QString>

class TScoreStore {
public:
  // <XDG data home>/quarrybox/scores
  static QString DefaultFolder();

  explicit TScoreStore(QString folder) : Folder(std::move(folder)) {}
  const QString &FolderPath() const { return Folder; }

  // The key of the game file at path: the SHA-256 of its bytes, in hex.
  static TResult<QString> KeyOf(const QString &path);

  bool Contains(const QString &key) const;
  // A table that cannot be read in full is refused with a message; the file is left as it is.
  TResult<TScoreTable> Load(const QString &key) const;
  // Written whole to a temporary file, synced and renamed over the old one (the folder synced
  // too), so a failure or a power cut keeps the table stored before.
  TStatus Save(const QString &key, const TScoreTable &table) const;

private:
  QString FilePath(const QString &key) const;

  QString Folder;
};

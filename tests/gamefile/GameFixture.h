#pragma once
// Small synthetic games for the game file tests: picture files of made-up bytes in a scratch
// folder (a game file never decodes its pictures), and the game data that names them.

#include "gamefile/GameData.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <optional>

// Bytes that begin like a JPEG (FF D8 FF) or a BMP ("BM"), then differ with the seed.
QByteArray SyntheticPicture(quint8 type, int size, int seed);

QByteArray ReadBytes(const QString &path);
void WriteBytes(const QString &path, const QByteArray &bytes);
// File names in a folder, sorted.
QStringList FolderEntries(const QString &folder);

struct TPictureRecipe {
  quint8 Type = PictureJpeg;
  int Size = 0;
  quint8 GridSize = 44; // levels only
};

class TGameFixture {
public:
  TGameFixture();

  QString Folder() const { return Dir.path(); }
  QString Path(const QString &name) const { return Dir.filePath(name); }

  // Writes one picture file per skin and level into the folder "pictures" and returns game data
  // naming them, with unusual box and stretch settings so that every header field is seen.
  TGameData MakeGame(const QList<TPictureRecipe> &skins, const QList<TPictureRecipe> &levels);
  // Skins JPEG, BMP, JPEG; level 1 JPEG with grid 70, level 2 BMP with grid 16: 342 bytes when
  // written. Made once per fixture: every call names the same picture files.
  TGameData SmallGame();
  // SmallGame() written to name; returns its path.
  QString WriteSmallGame(const QString &name);

private:
  QTemporaryDir Dir;
  int NextSeed = 1;
  std::optional<TGameData> Small;
};

#include "tests/gamefile/GameFixture.h"

#include "gamefile/GameFile.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

QByteArray SyntheticPicture(quint8 type, int size, int seed) {
  QByteArray bytes(size, '\0');
  quint32 state = quint32(seed) * 2654435761u + 1;
  for (char &b : bytes) {
    state = state * 1664525u + 1013904223u;
    b = char(state >> 24);
  }
  const QByteArray magic = type == PictureBmp ? QByteArray("BM") : QByteArray("\xFF\xD8\xFF", 3);
  bytes.replace(0, std::min<qsizetype>(magic.size(), size), magic.left(size));
  return bytes;
}

QByteArray ReadBytes(const QString &path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll();
}

void WriteBytes(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList FolderEntries(const QString &folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

TGameFixture::TGameFixture() { EXPECT_TRUE(Dir.isValid()); }

TGameData TGameFixture::MakeGame(const QList<TPictureRecipe> &skins,
                                 const QList<TPictureRecipe> &levels) {
  QDir(Folder()).mkpath(QStringLiteral("pictures"));
  auto makePicture = [&](const TPictureRecipe &recipe) {
    const int seed = NextSeed++;
    const QString path =
        Path(QStringLiteral("pictures/p%1%2").arg(seed).arg(PictureExtension(recipe.Type)));
    WriteBytes(path, SyntheticPicture(recipe.Type, recipe.Size, seed));
    return path;
  };
  TGameData game;
  game.PlayBox = {true, 0x000000FF};
  game.ScoreBox = {false, 0x00613D1D};
  game.NextBox = {true, 0x0000FF00};
  const TSkinKind kinds[] = {SkinStart, SkinPlaying, SkinGameOver};
  for (int i = 0; i < 3; ++i) {
    TSkin &skin = game.Skin(kinds[i]);
    skin.Path = makePicture(skins.at(i));
    skin.Type = skins.at(i).Type;
    skin.Stretch = i != 1; // playing skin centred, the others stretched
  }
  for (const TPictureRecipe &recipe : levels)
    game.Levels.append({makePicture(recipe), recipe.Type, recipe.GridSize});
  game.Scores[0] = {"Alice ", 123456};
  game.Scores[1] = {"Bob   ", -5};
  game.Scores[9] = {QByteArray("\xE9t\xE9\x00\x01~", 6), 2147483647};
  return game;
}

TGameData TGameFixture::SmallGame() {
  if (!Small)
    Small = MakeGame({{PictureJpeg, 40}, {PictureBmp, 33}, {PictureJpeg, 27}},
                     {{PictureJpeg, 51, 70}, {PictureBmp, 19, 16}});
  return *Small;
}

QString TGameFixture::WriteSmallGame(const QString &name) {
  const QString path = Path(name);
  const TStatus status = WriteGameFile(path, SmallGame());
  EXPECT_TRUE(status.Ok()) << status.Error().toStdString();
  return path;
}

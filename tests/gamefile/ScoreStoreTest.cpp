// The per-user store of high-score tables for games that cannot be written.
#include "gamefile/ScoreStore.h"
#include "tests/gamefile/GameFixture.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

TScoreTable PlayedScores() {
  TScoreTable scores = TGameData::DefaultScores();
  scores[0] = {"Ada   ", 123456};
  scores[1] = {"Grace ", 100};
  scores[9] = {"Neg   ", -5};
  return scores;
}

} // namespace

TEST(ScoreStore, ATableSavedUnderAGameLoadsBackWhole) {
  TGameFixture fixture;
  const TResult<QString> key = TScoreStore::KeyOf(fixture.WriteSmallGame("g.qbx"));
  ASSERT_TRUE(key.Ok()) << key.Error().toStdString();
  const TScoreStore store(fixture.Path("scores"));
  EXPECT_FALSE(store.Contains(key.Value()));

  ASSERT_TRUE(store.Save(key.Value(), PlayedScores()).Ok());
  EXPECT_TRUE(store.Contains(key.Value()));
  const TResult<TScoreTable> loaded = store.Load(key.Value());
  ASSERT_TRUE(loaded.Ok()) << loaded.Error().toStdString();
  EXPECT_EQ(loaded.Value(), PlayedScores());
}

TEST(ScoreStore, AMovedCopyHasTheSameKeyAndAnotherGameAnother) {
  TGameFixture fixture;
  const QString game = fixture.WriteSmallGame("g.qbx");
  ASSERT_TRUE(QDir(fixture.Folder()).mkpath("elsewhere"));
  const QString moved = fixture.Path("elsewhere/renamed.qbx");
  ASSERT_TRUE(QFile::copy(game, moved));
  QByteArray changed = ReadBytes(game);
  changed[changed.size() / 2] = char(changed[changed.size() / 2] ^ 1);
  WriteBytes(fixture.Path("other.qbx"), changed);

  const QString key = TScoreStore::KeyOf(game).Value();
  EXPECT_EQ(TScoreStore::KeyOf(moved).Value(), key);
  EXPECT_NE(TScoreStore::KeyOf(fixture.Path("other.qbx")).Value(), key);
  EXPECT_FALSE(TScoreStore::KeyOf(fixture.Path("missing.qbx")).Ok());
}

TEST(ScoreStore, ABrokenTableIsRefusedByNameAndLeftAsItIs) {
  TGameFixture fixture;
  const TScoreStore store(fixture.Path("scores"));
  ASSERT_TRUE(store.Save("k", PlayedScores()).Ok());
  const QString path = fixture.Path("scores/k.scores");
  const QByteArray good = ReadBytes(path);
  for (const QByteArray &broken :
       {good.left(good.size() - 8), QByteArray(good).replace("123456", "12x456"),
        QByteArray(good).replace("Grace", "Gracefully")}) {
    WriteBytes(path, broken);
    const TResult<TScoreTable> loaded = store.Load("k");
    ASSERT_FALSE(loaded.Ok()) << broken.toStdString();
    EXPECT_TRUE(loaded.Error().contains(path)) << loaded.Error().toStdString();
    EXPECT_EQ(ReadBytes(path), broken);
  }
}

TEST(ScoreStore, AStoreThatCannotBeWrittenIsReported) {
  TGameFixture fixture;
  WriteBytes(fixture.Path("scores"), "a file where the folder should be");
  const TStatus saved = TScoreStore(fixture.Path("scores")).Save("k", PlayedScores());
  ASSERT_FALSE(saved.Ok());
  EXPECT_TRUE(saved.Error().contains(fixture.Path("scores/k.scores")))
      << saved.Error().toStdString();
}

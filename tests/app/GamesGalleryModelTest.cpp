// The games gallery's list: which games it finds, and what it reads from each on its workers.
#include "app/GamesGalleryModel.h"
#include "gamefile/GameFile.h"
#include "gamefile/ScoreStore.h"
#include "tests/app/GameHarness.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class GamesGalleryModelTest : public ::testing::Test {
protected:
  void SetUp() override {
    QDir().mkpath(Yours);
    Castle = H.MakeGame("Castle", {TTestLevel{}, TTestLevel{}, TTestLevel{}});
    Default = H.MakeGame("Default", {TTestLevel{}});
  }
  // A game in the user's folder, made from the harness's pictures.
  QString MakeYours(const QString &name) {
    const QString path = Yours + '/' + name + ".qbx";
    EXPECT_TRUE(QFile::rename(H.MakeGame(name, {TTestLevel{}, TTestLevel{}}), path));
    return path;
  }
  // Waits, with the event loop running, until every row is read.
  void ReadAll(TGamesGalleryModel &model) {
    QElapsedTimer clock;
    clock.start();
    while (model.Loading() && clock.elapsed() < 10000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_FALSE(model.Loading());
  }
  int Row(const TGamesGalleryModel &model, const QString &name) {
    for (int row = 0; row < model.rowCount(); ++row)
      if (model.Game(row).Name == name)
        return row;
    ADD_FAILURE() << "no row " << name.toStdString();
    return 0;
  }
  TGameHarness H;
  QString Yours = H.Dir.filePath("data/quarrybox/games");
  QString Store = H.Dir.filePath("scores"), Thumbnails = H.Dir.filePath("thumbnails");
  QString Castle, Default;
};

} // namespace

TEST_F(GamesGalleryModelTest, FindsInstalledThenUsersThenRecentGamesEachOnce) {
  const QString mine = MakeYours("Mine");
  const QString elsewhere = H.Dir.filePath("Elsewhere.qbx");
  QFile::copy(Castle, elsewhere);
  const QList<TGalleryGame> games = FindGalleryGames(
      {H.Folder + "Games", Yours, {mine, elsewhere, Castle, H.Dir.filePath("Gone.qbx")}});
  QStringList found;
  for (const TGalleryGame &game : games)
    found << game.Name + '@' + QString::number(int(game.Source));
  EXPECT_EQ(found, QStringList({"Castle@0", "Default@0", "Mine@1", "Elsewhere@2"}));
  EXPECT_EQ(games.back().Path, elsewhere);
}

TEST_F(GamesGalleryModelTest, ReadsLevelsBestScoreAndTitlePictureOfEachGame) {
  TGameData scored;
  ASSERT_TRUE(ReadGameHeader(Castle, scored).Ok());
  scored.Scores[0] = {"Alice ", 4321};
  ASSERT_TRUE(WriteScoreTable(Castle, scored).Ok());
  // A game this user cannot write is played for the scores of the user's store.
  const TResult<QString> key = TScoreStore::KeyOf(Default);
  TScoreTable stored{};
  stored[0] = {"Bob   ", 777};
  ASSERT_TRUE(TScoreStore(Store).Save(key.Value(), stored).Ok());
  QFile::setPermissions(Default, QFile::ReadOwner);

  TGamesGalleryModel model({H.Folder + "Games", {}, {}}, Store, Thumbnails);
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_TRUE(model.data(model.index(0), Qt::DisplayRole).toString().contains("Reading..."));
  ReadAll(model);
  const int castle = Row(model, "Castle"), def = Row(model, "Default");
  EXPECT_EQ(model.data(model.index(castle), Qt::DisplayRole).toString(),
            "Castle\n3 levels, best 00004321 Alice\nInstalled");
  // Root may write any file, so its games keep their own tables (none scored yet).
  const QString best = ::geteuid() == 0 ? "no score yet" : "best 00000777 Bob";
  EXPECT_EQ(model.data(model.index(def), Qt::DisplayRole).toString(),
            "Default\n1 level, " + best + "\nInstalled");
  // The start skin is dark blue, fitted into the thumbnail keeping its 3:2 shape.
  const QImage thumbnail = model.Facts(castle)->Thumbnail;
  EXPECT_EQ(thumbnail.size(), QSize(192, 128));
  EXPECT_LT(qAbs(qBlue(thumbnail.pixel(2, 2)) - 128), 20);
  EXPECT_TRUE(
      QFileInfo(TGameThumbnails(Thumbnails, TGamesGalleryModel::ThumbnailSize).CachePath(Castle))
          .isFile());
}

TEST_F(GamesGalleryModelTest, AnUnreadableGameOrTitlePictureGetsThePlaceholderAndAReason) {
  QFile garbage(Yours + "/Broken.qbx");
  ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
  garbage.write("\x0a not a game at all");
  garbage.close();
  // A game whose title picture is damaged still tells its levels.
  QFile castle(Castle);
  ASSERT_TRUE(castle.open(QIODevice::ReadWrite));
  TGameData data;
  ASSERT_TRUE(ReadGameHeader(Castle, data).Ok());
  const QByteArray bytes = castle.readAll();
  const qsizetype jpeg = bytes.indexOf("\xff\xd8\xff");
  ASSERT_GT(jpeg, 0);
  castle.seek(jpeg + 2);
  castle.write(QByteArray(64, '\x55'));
  castle.close();

  TGamesGalleryModel model({H.Folder + "Games", Yours, {}}, Store, Thumbnails);
  ReadAll(model);
  const int broken = Row(model, "Broken"), damaged = Row(model, "Castle");
  const QImage placeholder = model.data(model.index(broken), Qt::DecorationRole).value<QImage>();
  EXPECT_FALSE(placeholder.isNull());
  EXPECT_TRUE(model.Facts(broken)->Thumbnail.isNull());
  EXPECT_FALSE(model.Facts(broken)->Problem.isEmpty());
  EXPECT_TRUE(model.data(model.index(broken), Qt::DisplayRole)
                  .toString()
                  .startsWith("Broken\n" + model.Facts(broken)->Problem));
  EXPECT_EQ(model.Facts(damaged)->Levels, 3);
  EXPECT_TRUE(model.Facts(damaged)->Thumbnail.isNull());
  EXPECT_TRUE(model.data(model.index(damaged), Qt::ToolTipRole)
                  .toString()
                  .contains("The title picture cannot be shown"));
  EXPECT_EQ(model.data(model.index(damaged), Qt::DecorationRole).value<QImage>(), placeholder);
}

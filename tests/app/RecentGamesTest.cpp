// The recent games: the list kept in the settings, and Open Recent on a running game.
#include "app/RecentGames.h"
#include "app/CommandLine.h"
#include "tests/app/GameHarness.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

QStringList Shown(const QList<TRecentGame> &entries) {
  QStringList names;
  for (const TRecentGame &entry : entries)
    names << entry.Shown;
  return names;
}

class RecentGamesTest : public ::testing::Test {
protected:
  QString Touch(const QString &name) {
    const QString path = Dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    return path;
  }
  QTemporaryDir Dir;
  TSettingsStore Settings{Dir.filePath("config/Quarrybox.conf")};
  TRecentGames Recent{Settings};
};

} // namespace

TEST_F(RecentGamesTest, NewestFirstEachOnceAndNoMoreThanTen) {
  for (int i = 1; i <= 12; ++i)
    Recent.Add(Touch(QStringLiteral("g%1.qbx").arg(i)));
  Recent.Add(Dir.filePath("g5.qbx")); // again: moves to the front, not listed twice
  const QList<TRecentGame> entries = Recent.Entries();
  EXPECT_EQ(Shown(entries), QStringList({"g5.qbx", "g12.qbx", "g11.qbx", "g10.qbx", "g9.qbx",
                                         "g8.qbx", "g7.qbx", "g6.qbx", "g4.qbx", "g3.qbx"}));
  EXPECT_EQ(entries.front().FullName, Dir.filePath("g5.qbx"));
  // Kept in the settings: a second list over the same store sees the same.
  EXPECT_EQ(Shown(TRecentGames(Settings).Entries()), Shown(entries));
}

TEST_F(RecentGamesTest, AMissingGameIsMarkedAndCanBeRemovedOrClearedWithTheRest) {
  const QString kept = Touch("kept.qbx"), gone = Touch("gone.qbx");
  Recent.Add(kept);
  Recent.Add(gone);
  QFile::remove(gone);
  QList<TRecentGame> entries = Recent.Entries();
  ASSERT_EQ(entries.size(), 2);
  EXPECT_FALSE(entries[0].Exists);
  EXPECT_TRUE(entries[1].Exists);
  Recent.Remove(entries[0].Stored);
  EXPECT_EQ(Shown(Recent.Entries()), QStringList{"kept.qbx"});
  Recent.Clear();
  EXPECT_TRUE(Recent.Entries().isEmpty());
}

TEST_F(RecentGamesTest, ANameThatIsNotUtf8ComesBackAsItsOwnBytes) {
  const QByteArray bytes = QFile::encodeName(Dir.path()) + "/caf\xe9-\xff.qbx";
  const int fd = ::open(bytes.constData(), O_CREAT | O_WRONLY, 0644);
  ASSERT_GE(fd, 0);
  ::close(fd);
  char *argv[] = {const_cast<char *>("quarrybox"), const_cast<char *>(bytes.constData())};
  const QString opened = CommandLineArguments(2, argv).front(); // reached by descriptor
  ASSERT_TRUE(ReachedByDescriptor(opened));
  Recent.Add(opened);
  const TRecentGame entry = Recent.Entries().front();
  EXPECT_TRUE(entry.Exists);
  EXPECT_EQ(StoredFileBytes(entry.Stored), bytes);
  EXPECT_EQ(entry.Shown, QString::fromUtf8("caf\u00e9-\u00ff.qbx")); // as Latin-1
  const QString reopened = OpenStoredFileName(entry.Stored);
  char target[4096];
  const ssize_t length = ::readlink(QFile::encodeName(reopened).constData(), target, sizeof target);
  EXPECT_EQ(QByteArray(target, int(std::max<ssize_t>(length, 0))), bytes);
  ::unlink(bytes.constData()); // a name the temporary folder's clean-up cannot spell
}

TEST(RecentGameCommandsTest, OpenRecentAsksWhatOpenAsksAndOffersToDropAMissingGame) {
  TGameHarness h;
  const QString first = h.MakeGame("First", {TTestLevel{}});
  const QString second = h.MakeGame("Second", {TTestLevel{}, TTestLevel{}});
  h.Start({first});
  h.StartPlaying();
  h.Game->RecentGameCommands().Games().Add(second);
  const QString stored = h.Game->RecentGameCommands().Games().Entries().front().Stored;

  h.Dialogs.ConfirmAnswer = 2; // keeps the running game
  h.Game->FileCommands().OpenRecentGame(stored);
  EXPECT_EQ(h.Dialogs.Confirms, QStringList{"Confirm Stop Game|Really Stop Current Game?!"});
  EXPECT_EQ(h.Game->GameData().FilePath, first);
  h.Dialogs.ConfirmAnswer = 1;
  h.Game->FileCommands().OpenRecentGame(stored);
  EXPECT_EQ(h.Game->GameData().FilePath, second);
  EXPECT_EQ(h.Game->Model().GameState(), StateTitle);
  EXPECT_EQ(Shown(h.Game->RecentGameCommands().Games().Entries()),
            QStringList({"Second.qbx", "First.qbx"}));

  QFile::remove(first);
  h.Dialogs.YesAnswer = true;
  h.Game->FileCommands().OpenRecentGame(
      h.Game->RecentGameCommands().Games().Entries().back().Stored);
  EXPECT_EQ(h.Dialogs.Questions.size(), 1);
  EXPECT_EQ(Shown(h.Game->RecentGameCommands().Games().Entries()), QStringList{"Second.qbx"});
  EXPECT_EQ(h.Game->GameData().FilePath, second);
}

TEST(RecentGameCommandsTest, WithADataFolderSaveOffersTheUsersGamesAndOpeningTellsTheDesktop) {
  TGameHarness h;
  h.DataHome = h.Dir.filePath("data");
  const QString game = h.MakeGame("Castle", {TTestLevel{}});
  QFile::rename(game, h.Folder + "Castle.qbx"); // not bundled: the first start opens no game
  h.Start();
  h.Advance(50);
  EXPECT_FALSE(h.Game->RecentGameCommands().OfferGallery()); // nothing to choose from yet

  h.Game->Run(TCommand::SaveGameAs); // no file yet: the user's games folder, made for it
  EXPECT_EQ(h.Dialogs.Opened, QStringList{"save:" + h.DataHome + "/quarrybox/games|Untitled.qbx"});
  EXPECT_TRUE(QFileInfo(h.DataHome + "/quarrybox/games").isDir());

  h.Game->FileCommands().OpenDroppedGame(h.Folder + "Castle.qbx");
  EXPECT_EQ(Shown(h.Game->RecentGameCommands().Games().Entries()), QStringList{"Castle.qbx"});
  QFile xbel(h.DataHome + "/recently-used.xbel");
  ASSERT_TRUE(xbel.open(QIODevice::ReadOnly));
  const QByteArray list = xbel.readAll();
  EXPECT_TRUE(list.contains("href=\"file://" + QFile::encodeName(h.Folder) + "Castle.qbx\""));
  EXPECT_TRUE(list.contains("application/x-quarrybox-game"));

  // The next first start has a game of the user's to offer besides the bundled one.
  QFile::copy(h.Folder + "Castle.qbx", h.DataHome + "/quarrybox/games/Mine.qbx");
  TGameHarness next;
  next.DataHome = h.DataHome;
  next.MakeGame("Default", {TTestLevel{}});
  next.Start();
  EXPECT_TRUE(next.Game->RecentGameCommands().OfferGallery());
}

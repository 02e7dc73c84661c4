// Open Game, Save Game and Save Game As on real game files.
#include "app/GameDocument.h"
#include "app/Translations.h"
#include "gamefile/GameFile.h"
#include "gamefile/HighScores.h"
#include "tests/app/GameHarness.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTranslator>

#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

namespace {

class FileCommandsTest : public ::testing::Test {
protected:
  void SetUp() override {
    Default = H.MakeGame("Default", {TTestLevel{}, TTestLevel{{300, 200}, 50, true}});
    Other = H.MakeGame("Other", {TTestLevel{}});
    H.Start();
    H.Advance(50);
  }
  TGame &Game() { return *H.Game; }
  TGameHarness H;
  QString Default, Other;
};

} // namespace

TEST_F(FileCommandsTest, OpenGameLoadsTheChosenGameAndRemembersItsFolder) {
  H.Dialogs.OpenAnswer = Other;
  Game().Run(TCommand::OpenGame);
  EXPECT_EQ(H.Dialogs.Opened, QStringList{"open:" + H.Folder + "Games"});
  EXPECT_EQ(Game().Caption(), "Quarrybox - Other");
  EXPECT_EQ(Game().Model().GameState(), StateTitle);
  EXPECT_EQ(Game().GameData().LevelCount(), 1);
  EXPECT_EQ(H.Settings.ReadSetting("QBXOpenPath"), H.Folder + "Games");
}

TEST_F(FileCommandsTest, OpenGameWhilePlayingAsksToStopAndCancellingKeepsTheGame) {
  Game().Run(TCommand::StartGame);
  H.Dialogs.ConfirmAnswer = 2;
  H.Dialogs.OpenAnswer = Other;
  Game().Run(TCommand::OpenGame);
  EXPECT_EQ(H.Dialogs.Confirms.size(), 1);
  EXPECT_EQ(Game().Model().GameState(), StatePlaying);
  EXPECT_EQ(Game().GameData().FilePath, Default);
  H.Dialogs.ConfirmAnswer = 1;
  Game().Run(TCommand::OpenGame);
  EXPECT_EQ(Game().GameData().FilePath, Other);
  EXPECT_EQ(Game().Model().GameState(), StateTitle);
}

TEST_F(FileCommandsTest, OpeningNothingOrAMissingFileChangesNothing) {
  Game().Run(TCommand::OpenGame); // cancelled
  H.Dialogs.OpenAnswer = H.Folder + "Games/Nowhere.qbx";
  Game().Run(TCommand::OpenGame);
  EXPECT_EQ(Game().GameData().FilePath, Default);
  EXPECT_TRUE(H.Settings.ReadSetting("QBXOpenPath").isEmpty());
}

TEST_F(FileCommandsTest, OpeningABrokenGameReportsItAndKeepsTheCurrentOne) {
  const QString broken = H.Folder + "Games/Broken.qbx";
  QFile f(broken);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray(40, '\x01'));
  f.close();
  H.Dialogs.OpenAnswer = broken;
  Game().Run(TCommand::OpenGame);
  EXPECT_EQ(Game().GameData().FilePath, Default);
  EXPECT_EQ(Game().Caption(), "Quarrybox - Default");
  ASSERT_EQ(H.Dialogs.Messages.size(), 1);
  EXPECT_TRUE(H.Dialogs.Messages[0].contains("Broken.qbx"));
}

// The reason is made in the game file layer in three parts (the file, what is wrong, and how),
// each of them in the player's language.
TEST_F(FileCommandsTest, ABrokenGameIsReportedInThePlayersLanguage) {
  QTranslator german;
  ASSERT_TRUE(Translations::LoadGame(german, "de"));
  QCoreApplication::installTranslator(&german);
  const QString broken = H.Folder + "Games/Broken.qbx";
  QFile f(broken);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray(10, '\x01'));
  f.close();
  H.Dialogs.OpenAnswer = broken;
  Game().Run(TCommand::OpenGame);
  QCoreApplication::removeTranslator(&german);
  ASSERT_EQ(H.Dialogs.Messages.size(), 1);
  EXPECT_EQ(H.Dialogs.Messages[0],
            "|Broken.qbx: die Datei ist unvollständig (abgeschnitten): sie ist zu kurz für einen "
            "Spielkopf (21 Bytes nötig, Dateigröße 10)|");
}

TEST_F(FileCommandsTest, SaveAsCompletesTheNameAndWritesTheSameGame) {
  struct TRow {
    const char *Typed;
    const char *Written;
  };
  for (const TRow &row :
       {TRow{"a", "a.qbx"}, TRow{"game.QBX", "game.QBX"}, TRow{"game.txt", "game.txt.qbx"}}) {
    H.Dialogs.SaveAnswer = H.Folder + "saved/" + row.Typed;
    QDir().mkpath(H.Folder + "saved");
    const QString before = Game().GameData().FilePath;
    Game().Run(TCommand::SaveGameAs);
    const QString written = H.Folder + "saved/" + row.Written;
    ASSERT_TRUE(QFile::exists(written)) << row.Typed;
    EXPECT_EQ(Bytes(written), Bytes(before)) << row.Typed;
    EXPECT_EQ(Game().GameData().FilePath, written);
    EXPECT_EQ(H.Settings.ReadSetting("QBXSavePath"), H.Folder + "saved");
  }
  EXPECT_EQ(Game().Caption(), "Quarrybox - game.txt");
  // The dialog offers the name used last.
  EXPECT_TRUE(H.Dialogs.Opened.last().endsWith("|game.QBX"))
      << H.Dialogs.Opened.last().toStdString();
}

TEST_F(FileCommandsTest, SaveAsOverAnExistingGameAsksFirst) {
  H.Dialogs.SaveAnswer = Other;
  H.Dialogs.YesAnswer = false;
  const QByteArray other = Bytes(Other);
  Game().Run(TCommand::SaveGameAs);
  EXPECT_EQ(H.Dialogs.Questions, QStringList{"Confirm Overwriting|Overwrite Existing Game?"});
  EXPECT_EQ(Bytes(Other), other);
  EXPECT_EQ(Game().GameData().FilePath, Default);
  H.Dialogs.YesAnswer = true;
  Game().Run(TCommand::SaveGameAs);
  EXPECT_EQ(Bytes(Other), Bytes(Default));
}

TEST_F(FileCommandsTest, SaveRewritesTheGameInPlaceUnchanged) {
  const QByteArray before = Bytes(Default);
  Game().Run(TCommand::SaveGame);
  EXPECT_EQ(Bytes(Default), before);
  EXPECT_TRUE(H.Dialogs.Messages.isEmpty());
}

TEST_F(FileCommandsTest, ASaveThatFailsReportsAndLeavesTheOldFile) {
  H.Dialogs.SaveAnswer = H.Folder + "no such folder/Copy.qbx";
  Game().Run(TCommand::SaveGameAs);
  EXPECT_EQ(Game().GameData().FilePath, Default);
  ASSERT_EQ(H.Dialogs.Messages.size(), 1);
  EXPECT_FALSE(QFile::exists(H.Folder + "no such folder/Copy.qbx"));
}

TEST_F(FileCommandsTest, MakeExeWritesTheRuntimeWithTheGameBehindIt) {
  const QString runtime = H.Folder + "quarrybox-runtime";
  ASSERT_TRUE(QFile::copy(QStringLiteral(QB_PROGRAM_DIR) + "/quarrybox-runtime", runtime));
  Game().Run(TCommand::MakeExe);
  const QString made = H.Folder + "Games/Default";
  ASSERT_EQ(H.Dialogs.Messages.size(), 1);
  EXPECT_EQ(H.Dialogs.Messages[0], "Game with a name:|" + made + "|has just been created!");
  EXPECT_EQ(Bytes(made), Bytes(runtime) + Bytes(Default));
  // Again: the existing program is overwritten only after OK.
  H.Dialogs.ConfirmAnswer = 2;
  QFile::remove(made);
  QFile(made).open(QIODevice::WriteOnly);
  Game().Run(TCommand::MakeExe);
  EXPECT_EQ(H.Dialogs.Confirms, QStringList{"Confirm Overwrite Game|" + made});
  EXPECT_EQ(QFile(made).size(), 0);
}

// A close that cannot replace the program (here its folder is gone for the moment) keeps the
// new scores in the user's store, and the program's next start plays for them.
TEST_F(FileCommandsTest, ScoresAStandAloneCloseCannotWriteAreKeptForTheNextStart) {
  ASSERT_TRUE(QFile::copy(QStringLiteral(QB_PROGRAM_DIR) + "/quarrybox-runtime",
                          H.Folder + "quarrybox-runtime"));
  Game().Run(TCommand::MakeExe);
  const QString program = H.Folder + "Games/Default";
  ASSERT_TRUE(QFile::exists(program));
  QString problem, notice;
  TGameDocument played;
  const TResult<QString> unpacked = played.UnpackStandAlone(program);
  ASSERT_TRUE(unpacked.Ok() && played.Open(unpacked.Value(), problem).Ok());
  InsertScore(played.Game.Scores, 1, 4321);
  ASSERT_TRUE(played.KeepScores(notice).Ok());

  ASSERT_TRUE(QDir().rename(H.Folder + "Games", H.Folder + "Away"));
  const TStatus closed = played.RepackStandAlone(program);
  ASSERT_TRUE(QDir().rename(H.Folder + "Away", H.Folder + "Games"));
  EXPECT_FALSE(closed.Ok());
  EXPECT_TRUE(closed.Error().contains("the high scores are kept in"))
      << closed.Error().toStdString();

  TGameDocument next;
  const TResult<QString> again = next.UnpackStandAlone(program);
  ASSERT_TRUE(again.Ok() && next.Open(again.Value(), problem).Ok());
  EXPECT_EQ(next.Game.Scores[0].Score, 4321);
  ASSERT_TRUE(next.RepackStandAlone(program).Ok()); // and this close writes them in
}

TEST_F(FileCommandsTest, MakeExeWithoutTheRuntimeSaysWhatIsMissing) {
  Game().Run(TCommand::MakeExe);
  EXPECT_FALSE(QFile::exists(H.Folder + "Games/Default"));
  ASSERT_FALSE(H.Dialogs.Messages.isEmpty());
  EXPECT_TRUE(H.Dialogs.Messages.last().contains("stand-alone runtime"))
      << H.Dialogs.Messages.last().toStdString();
}

TEST_F(FileCommandsTest, MakeExeRefusesToOverwriteTheRunningProgram) {
  const QString own = H.Folder + "quarrybox.qbx"; // would become the program itself
  ASSERT_TRUE(QFile::copy(Default, own));
  H.Dialogs.OpenAnswer = own;
  Game().Run(TCommand::OpenGame);
  Game().Run(TCommand::MakeExe);
  EXPECT_EQ(H.Dialogs.Messages.last(), "|Cannot Create file Quarrybox.exe!|");
}

namespace {

// What a builder closed with OK leaves: the harness's own pictures, two levels.
void BuildTwoLevels(TGameData &game, const QString &folder) {
  game.StartSkin = {folder + "src/start.jpg", PictureJpeg, true};
  game.PlayingSkin = {folder + "src/play.jpg", PictureJpeg, true};
  game.GameOverSkin = {folder + "src/over.bmp", PictureBmp, false};
  game.Levels = {TLevel{folder + "src/level0.jpg", PictureJpeg, 100},
                 TLevel{folder + "src/level1.bmp", PictureBmp, 50}};
}

} // namespace

TEST_F(FileCommandsTest, CreateGameCancelledKeepsTheGameButTicksTheSixFlags) {
  Game().Run(TCommand::CreateGame);
  EXPECT_EQ(H.Dialogs.Opened, QStringList{"builder:create"});
  EXPECT_EQ(Game().GameData().FilePath, Default);
  EXPECT_TRUE(Game().GameData().PlayBox.Draw && Game().GameData().ScoreBox.Draw &&
              Game().GameData().NextBox.Draw);
  EXPECT_TRUE(Game().GameData().GameOverSkin.Stretch);
  EXPECT_FALSE(Game().GameData().Unsaved);
  EXPECT_EQ(Game().Model().GameState(), StateTitle);
}

TEST_F(FileCommandsTest, ACreatedGameIsPlayedFromItsPicturesAndSavedAsUntitled) {
  H.Dialogs.BuilderResult = [this](TGameData &game) { BuildTwoLevels(game, H.Folder); };
  Game().Run(TCommand::CreateGame);
  EXPECT_EQ(Game().Caption(), "Quarrybox - untitled");
  EXPECT_TRUE(Game().GameData().Unsaved);
  EXPECT_EQ(Game().GameData().Scores, TGameData::DefaultScores());
  // Played straight from the author's pictures.
  Game().Run(TCommand::StartGame);
  EXPECT_EQ(Game().Model().GameState(), StatePlaying);
  EXPECT_EQ(Game().Model().Session().Cells.TotalCount(), 4);
  EXPECT_TRUE(H.Dialogs.Messages.isEmpty()) << H.Dialogs.Messages.join('\n').toStdString();
  Game().Run(TCommand::StopGame);
  // The first Save asks for a name, as Save As does.
  H.Dialogs.SaveAnswer = H.Folder + "Games/Holiday";
  Game().Run(TCommand::SaveGame);
  EXPECT_EQ(H.Dialogs.Opened.last(), "save:" + H.Folder + "Games|Untitled.qbx");
  TGameData stored;
  ASSERT_TRUE(ReadGameHeader(H.Folder + "Games/Holiday.qbx", stored).Ok());
  EXPECT_EQ(stored.LevelCount(), 2);
  EXPECT_FALSE(Game().GameData().Unsaved);
  EXPECT_EQ(Game().Caption(), "Quarrybox - Holiday");
  EXPECT_FALSE(QFile::exists(H.Folder + "Games/untitled.qbx"));
}

TEST_F(FileCommandsTest, SavingASecondNewGameNeverReplacesTheFirstWithoutAsking) {
  const QString first = H.Folder + "Games/untitled.qbx";
  H.Dialogs.BuilderResult = [this](TGameData &game) { BuildTwoLevels(game, H.Folder); };
  Game().Run(TCommand::CreateGame);
  H.Dialogs.SaveAnswer = first;
  Game().Run(TCommand::SaveGame);
  const QByteArray firstBytes = Bytes(first);
  ASSERT_FALSE(firstBytes.isEmpty());

  H.Dialogs.BuilderResult = [this](TGameData &game) {
    BuildTwoLevels(game, H.Folder);
    game.Levels.removeLast();
  };
  Game().Run(TCommand::CreateGame);
  H.Dialogs.YesAnswer = false; // "Overwrite Existing Game?" No
  Game().Run(TCommand::SaveGame);
  EXPECT_EQ(H.Dialogs.Questions.last(), "Confirm Overwriting|Overwrite Existing Game?");
  EXPECT_EQ(Bytes(first), firstBytes);
  EXPECT_TRUE(Game().GameData().Unsaved);
  // Cancelling the name writes nothing either.
  H.Dialogs.SaveAnswer.clear();
  Game().Run(TCommand::SaveGame);
  EXPECT_EQ(Bytes(first), firstBytes);
  EXPECT_TRUE(Game().GameData().Unsaved);
}

TEST_F(FileCommandsTest, ADroppedGameOpensAfterTheSameSaveQuestionAsOpen) {
  H.Dialogs.BuilderResult = [this](TGameData &game) { BuildTwoLevels(game, H.Folder); };
  Game().Run(TCommand::CreateGame);
  H.Dialogs.YesAnswer = false;
  Game().FileCommands().OpenDroppedGame(Other);
  EXPECT_EQ(H.Dialogs.Questions, QStringList{"Warning|Save Game?"});
  EXPECT_EQ(Game().Caption(), "Quarrybox - Other");
  EXPECT_EQ(Game().GameData().LevelCount(), 1);
  EXPECT_FALSE(Game().GameData().Unsaved);
}

TEST_F(FileCommandsTest, AHandedOverGameOpensAfterTheSaveQuestionForAnEditedOne) {
  const QByteArray before = Bytes(Default);
  H.Dialogs.BuilderResult = [](TGameData &game) { game.Levels.removeLast(); };
  Game().Run(TCommand::EditGame);
  ASSERT_TRUE(Game().GameData().Unsaved);
  H.Dialogs.YesAnswer = true;
  H.Settings.WriteSetting("NewQBXFile", Other);
  Game().FileCommands().OpenGameMessage();
  EXPECT_EQ(H.Dialogs.Questions, QStringList{"Warning|Save Game?"});
  EXPECT_NE(Bytes(Default), before); // the edit was saved before the other game came
  H.Advance(100);
  EXPECT_EQ(Game().GameData().FilePath, Other);
}

TEST_F(FileCommandsTest, ADroppedGameWaitsForThePlayerToAgreeToStop) {
  Game().Run(TCommand::StartGame);
  H.Dialogs.ConfirmAnswer = 2;
  Game().FileCommands().OpenDroppedGame(Other);
  EXPECT_EQ(H.Dialogs.Confirms, QStringList{"Confirm Stop Game|Really Stop Current Game?!"});
  EXPECT_EQ(Game().GameData().FilePath, Default);
  EXPECT_EQ(Game().Model().GameState(), StatePlaying);
}

TEST_F(FileCommandsTest, ClosingWithAnUnsavedGameAsksAndNoKeepsLastGame) {
  H.Settings.WriteSetting("LastGame", Default);
  H.Dialogs.BuilderResult = [this](TGameData &game) { BuildTwoLevels(game, H.Folder); };
  Game().Run(TCommand::CreateGame);
  H.Dialogs.YesAnswer = false;
  Game().Close(QPoint(1, 2));
  EXPECT_EQ(H.Dialogs.Questions, QStringList{"Warning|Save Game?"});
  EXPECT_EQ(H.Settings.ReadSetting("LastGame"), Default);
  EXPECT_FALSE(QFile::exists(H.Folder + "Games/untitled.qbx"));
}

TEST_F(FileCommandsTest, EditGameWorksOnCopiedOutPicturesAndResetsTheScores) {
  H.Dialogs.BuilderResult = [](TGameData &game) { game.Levels.removeLast(); };
  Game().Run(TCommand::EditGame);
  EXPECT_EQ(H.Dialogs.BuilderSawLevels, 2);
  EXPECT_TRUE(QFile::exists(Game().WorkingFolder() + "tpl1.bmp")); // every picture copied out first
  EXPECT_EQ(Game().GameData().LevelCount(), 1);
  EXPECT_TRUE(Game().GameData().Unsaved);
  EXPECT_EQ(Game().GameData().Scores, TGameData::DefaultScores());
  EXPECT_EQ(Game().GameData().FilePath, Default); // the path and caption stay
}

TEST_F(FileCommandsTest, EditGameWithoutLevelsDoesNothing) {
  H.Dialogs.OpenAnswer = H.MakeGame("Empty", {});
  Game().Run(TCommand::OpenGame);
  Game().Run(TCommand::EditGame);
  EXPECT_FALSE(H.Dialogs.Opened.contains("builder:edit"));
}

// Pause and resume, stopping a game, closing the window, and the sound option.
#include "tests/app/GameHarness.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class PauseStopTest : public ::testing::Test {
protected:
  void Play() {
    H.MakeGame("Default", {TTestLevel{}});
    H.Start();
    H.StartPlaying();
  }
  TGame &Game() { return *H.Game; }
  std::vector<std::pair<int, int>> Blocks() {
    std::vector<std::pair<int, int>> squares;
    for (const TSquare &b : Game().Model().Session().Piece.Piece().Blocks())
      squares.push_back({b.Col, b.Row});
    return squares;
  }

  TGameHarness H;
  TFakeDialogs &Dialogs = H.Dialogs;
  TFakeSound &Sound = H.Sound;
};

} // namespace

TEST_F(PauseStopTest, PauseWaitsUntilThePieceHasLeftTheTopRow) {
  Play();
  H.Frames(1); // the piece appears in row 18 and starts its first step
  Game().Run(TCommand::PauseGame);
  H.Frames(3);
  EXPECT_FALSE(Game().Model().Pause().Paused());
  H.Frames(2); // the step ends in row 17; the pending request is served
  EXPECT_TRUE(Game().Model().Pause().Paused());
  EXPECT_EQ(Game().Caption(), "Quarrybox - Default [Pause]");
  EXPECT_TRUE(Game().Screen().Overlays().PauseBanner().Visible);
  EXPECT_EQ(Game().Screen().Overlays().PauseBanner().Position, QPoint(63, 140));
  EXPECT_LT(Game().Screen().Surface().Left(), 0);
  EXPECT_FALSE(Game().Model().Pieces().Falling());
  EXPECT_TRUE(Sound.Played.contains("Pause"));
}

TEST_F(PauseStopTest, APauseAsTheLevelBeginsStaysOverTheWell) {
  Play();
  H.Frames(1);
  Game().Run(TCommand::PauseGame);
  H.Frames(5);
  ASSERT_TRUE(Game().Model().Pause().Paused());
  H.Advance(1000); // past the moment the level shows its play field
  EXPECT_LT(Game().Screen().Surface().Left(), 0);
  EXPECT_TRUE(Game().Screen().Overlays().PauseBanner().Visible);
  Game().KeyDown(Qt::Key_Up, false);
  H.Frames(2);
  EXPECT_FALSE(Game().Model().Pause().Paused());
  EXPECT_EQ(Game().Screen().Surface().Left(), 320);
}

TEST_F(PauseStopTest, NothingMovesWhilePaused) {
  Play();
  H.Frames(6);
  Game().Run(TCommand::PauseGame);
  H.Frames(1);
  ASSERT_TRUE(Game().Model().Pause().Paused());
  const auto before = Blocks();
  H.Press(Qt::Key_Left);
  H.Advance(5000);
  EXPECT_EQ(Blocks(), before);
  EXPECT_FALSE(Game().Model().Pieces().Falling());
}

TEST_F(PauseStopTest, WhilePausedOnlyTheTwoMinuteSpeedUpIsArmedUntilResumed) {
  Play();
  H.Frames(6);
  Game().Run(TCommand::PauseGame);
  H.Advance(1000);
  ASSERT_TRUE(Game().Model().Pause().Paused());
  EXPECT_GT(H.Scheduler.NextDue() - H.Scheduler.Now(), 100000);
  Game().Run(TCommand::PauseGame);
  H.Frames(1);
  EXPECT_FALSE(Game().Model().Pause().Paused());
  EXPECT_LE(H.Scheduler.NextDue() - H.Scheduler.Now(), 16);
}

TEST_F(PauseStopTest, UpResumesWithoutTurningThePiece) {
  Play();
  H.Frames(6);
  Game().Run(TCommand::PauseGame);
  H.Frames(1);
  ASSERT_TRUE(Game().Model().Pause().Paused());
  const int state = Game().Model().Session().Piece.Piece().Turn;
  H.Press(Qt::Key_Up);
  Game().KeyDown(Qt::Key_Up, false);
  H.Frames(6);
  H.Release(Qt::Key_Up);
  EXPECT_FALSE(Game().Model().Pause().Paused());
  EXPECT_EQ(Game().Model().Session().Piece.Piece().Turn, state);
  EXPECT_EQ(Game().Caption(), "Quarrybox - Default");
  EXPECT_EQ(Game().Screen().Surface().Left(), 320);
  EXPECT_FALSE(Game().Screen().Overlays().PauseBanner().Visible);
  EXPECT_TRUE(Game().Model().Pieces().Falling());
}

TEST_F(PauseStopTest, PResumesAndPausesAgain) {
  Play();
  H.Frames(6);
  Game().KeyDown(Qt::Key_P, false);
  H.Frames(1);
  ASSERT_TRUE(Game().Model().Pause().Paused());
  Game().KeyDown(Qt::Key_P, false);
  H.Frames(1);
  EXPECT_FALSE(Game().Model().Pause().Paused());
  H.Frames(6);
  Game().KeyDown(Qt::Key_P, false);
  H.Frames(1);
  EXPECT_TRUE(Game().Model().Pause().Paused());
}

TEST_F(PauseStopTest, StoppingAPausedGameClearsThePauseAndShowsTheTitle) {
  Play();
  H.Frames(6);
  Game().Run(TCommand::PauseGame);
  H.Frames(1);
  ASSERT_TRUE(Game().Model().Pause().Paused());
  Game().Run(TCommand::StopGame);
  EXPECT_EQ(Dialogs.Confirms, QStringList{"Confirm Stop Game|Really Stop Current Game?!"});
  EXPECT_FALSE(Game().Model().Pause().Paused());
  EXPECT_FALSE(Game().Screen().Overlays().PauseBanner().Visible);
  EXPECT_EQ(Game().Model().GameState(), StateTitle);
  EXPECT_EQ(Game().Caption(), "Quarrybox - Default");
  EXPECT_FALSE(Game().Model().GameRunning());
  EXPECT_EQ(Game().Model().Session().Score(), 0);
  EXPECT_TRUE(Sound.Played.contains("EndGame"));
  // The next game plays normally: keys work and the piece falls.
  H.Frames(1);
  H.Tap(Qt::Key_Space);
  H.Frames(8);
  EXPECT_EQ(Game().Model().GameState(), StatePlaying);
  EXPECT_LT(Game().Model().Session().Piece.Piece().Block(3).Row, 18);
}

TEST_F(PauseStopTest, CancellingTheStopQuestionKeepsTheGameRunning) {
  Play();
  H.Frames(6);
  Dialogs.ConfirmAnswer = 2;
  Game().Run(TCommand::StopGame);
  EXPECT_EQ(Game().Model().GameState(), StatePlaying);
  EXPECT_TRUE(Game().Model().GameRunning());
  Dialogs.ConfirmAnswer = -1; // closed by the title bar: the same as Cancel
  Game().Run(TCommand::StopGame);
  EXPECT_EQ(Game().Model().GameState(), StatePlaying);
}

TEST_F(PauseStopTest, ClosingDuringAGameStopsItWithoutAskingAndStoresTheSettings) {
  Play();
  H.Frames(6);
  Game().Close(QPoint(40, 50));
  EXPECT_TRUE(Dialogs.Confirms.isEmpty());
  EXPECT_FALSE(Game().Model().GameRunning());
  EXPECT_EQ(H.Settings.ReadSetting("LastGame"), Game().GameData().FilePath);
  EXPECT_EQ(H.Settings.ReadSetting("QuarryboxLeft"), "40");
  EXPECT_EQ(H.Settings.ReadSetting("QuarryboxTop"), "50");
  EXPECT_FALSE(QFile::exists(Game().WorkingFolder() + "tpl.jpg"));
}

TEST_F(PauseStopTest, AWindowWithNoKnownPositionLeavesTheStoredOneAsItWas) {
  Play();
  H.Settings.WriteSetting("QuarryboxLeft", "40");
  H.Settings.WriteSetting("QuarryboxTop", "50");
  Game().Close(std::nullopt);
  EXPECT_EQ(H.Settings.ReadSetting("QuarryboxLeft"), "40");
  EXPECT_EQ(H.Settings.ReadSetting("QuarryboxTop"), "50");
}

TEST_F(PauseStopTest, ClosingNeverWaitsOnABoxEvenWhenTheTitleCouldNotBeDrawn) {
  Play();
  H.Frames(6);
  // The title's picture can no longer be copied out of the game: going back to the title
  // would report it in a box.
  ASSERT_TRUE(QFile::remove(Game().GameData().FilePath));
  Game().Close(QPoint(40, 50), TGame::CloseAtOnce);
  EXPECT_TRUE(Dialogs.Messages.isEmpty());
  EXPECT_TRUE(Dialogs.Questions.isEmpty());
  EXPECT_NE(Game().Model().GameState(), StateTitle);
  EXPECT_EQ(H.Settings.ReadSetting("QuarryboxLeft"), "40");
}

TEST_F(PauseStopTest, AnOpenMenuHoldsThePieceStillUntilItCloses) {
  Play();
  H.Advance(200);
  Game().MenuOpen(true);
  const auto before = Blocks();
  H.Advance(4000);
  EXPECT_EQ(Blocks(), before);
  Game().MenuOpen(false);
  H.Advance(1100);
  EXPECT_NE(Blocks(), before);
}

TEST_F(PauseStopTest, WithSoundOffNoCommandMakesASound) {
  H.Settings.WriteSetting("SoundState", "OFF");
  Play();
  Game().Run(TCommand::Score);
  Game().Run(TCommand::Preferences);
  Game().Run(TCommand::About);
  Game().Run(TCommand::DownloadMoreGames);
  Game().Run(TCommand::PauseGame);
  H.Frames(10);
  Game().Run(TCommand::StopGame);
  EXPECT_TRUE(Sound.Played.isEmpty()) << Sound.Played.join(',').toStdString();
  EXPECT_FALSE(Game().Menu().Checked(TCommand::Sound));
  EXPECT_EQ(Sound.Opens, 0);
  EXPECT_EQ(Dialogs.ScoreRows, QList<int>{11});
  EXPECT_EQ(Dialogs.Opened, (QStringList{"Preferences", "About", "VisitSite"}));
}

TEST_F(PauseStopTest, SoundStartsOnAndPlaysTheStartJingle) {
  Play();
  EXPECT_TRUE(Game().Menu().Checked(TCommand::Sound));
  EXPECT_EQ(H.Settings.ReadSetting("SoundState"), "ON");
  ASSERT_FALSE(Sound.Played.isEmpty());
  EXPECT_EQ(Sound.Played.front(), "StartQRX");
  EXPECT_TRUE(Sound.Played.contains("EnterGame"));
}

TEST_F(PauseStopTest, ADeviceThatCannotOpenLeavesTheOptionOffButTheSettingOn) {
  Sound.DeviceWorks = false;
  Play();
  EXPECT_FALSE(Game().Menu().Checked(TCommand::Sound));
  EXPECT_EQ(H.Settings.ReadSetting("SoundState"), "ON");
  EXPECT_TRUE(Sound.Played.isEmpty());
  Game().Run(TCommand::Sound); // tried again: still no device
  EXPECT_FALSE(Game().Menu().Checked(TCommand::Sound));
  Sound.DeviceWorks = true;
  Game().Run(TCommand::Sound);
  EXPECT_TRUE(Game().Menu().Checked(TCommand::Sound));
  Game().Run(TCommand::Sound);
  EXPECT_FALSE(Sound.IsOpen);
  EXPECT_EQ(H.Settings.ReadSetting("SoundState"), "OFF");
}

TEST_F(PauseStopTest, ADeviceFoundMissingAtItsFirstSoundTurnsTheOptionOff) {
  Play();
  ASSERT_TRUE(Sound.OnUnavailable);
  Sound.OnUnavailable();
  EXPECT_FALSE(Game().Menu().Checked(TCommand::Sound));
  EXPECT_EQ(H.Settings.ReadSetting("SoundState"), "ON"); // the next start tries again
}

TEST_F(PauseStopTest, HelpOpensThePageInTheProgramFolder) {
  Play();
  Game().Run(TCommand::HelpTopic);
  EXPECT_EQ(Dialogs.Opened, QStringList{"file://" + H.Folder + "Help/index.html"});
}

TEST_F(PauseStopTest, LosingTheFocusDuringAGamePausesIt) {
  Play();
  H.Frames(6);
  Game().WindowActive(false);
  H.Advance(10);
  EXPECT_TRUE(Game().Model().Pause().Paused());
  Game().WindowActive(true);
  EXPECT_TRUE(Game().Model().Pause().Paused()); // the player resumes
  EXPECT_EQ(Game().Caption(), "Quarrybox - Default [Pause]");
}

TEST_F(PauseStopTest, LosingTheFocusToTheGamesOwnWindowDoesNotPause) {
  Play();
  H.Frames(6);
  Dialogs.Visible = true;
  Game().WindowActive(false);
  H.Advance(10);
  EXPECT_FALSE(Game().Model().Pause().Paused());
}

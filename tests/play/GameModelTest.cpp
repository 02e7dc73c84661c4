// The game model on its own, under virtual time: no files, no pictures, no window. Levels come
// from a scripted source and what happens is read from the events.
#include "play/GameModel.h"
#include "rules/PictureCells.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

// Levels of 2 x 2 cells; a level listed in Unusable cannot be prepared.
class TScriptedLevels : public TLevelSource {
public:
  int Count = 2;
  QList<int> Unusable;
  bool Busy = false;
  QList<int> Prefetched;
  QList<int> Prepared;

  int LevelCount() const override { return Count; }
  bool Decoding() const override { return Busy; }
  std::optional<TLevelLook> Prepare(int level, TPictureCells &cells) override {
    Prepared << level;
    if (Unusable.contains(level) || !cells.Build(QSize(200, 200), 100))
      return std::nullopt;
    return TLevelLook{};
  }
  void Prefetch(int level) override { Prefetched << level; }
};

// Writes each event it is told as a short line.
class TEventLog : public TGameEvents {
public:
  explicit TEventLog(QStringList &lines, QString name = {}) : Lines(lines), Name(std::move(name)) {}
  void StateChanged(TGameState state) override { Add(QStringLiteral("state %1").arg(state)); }
  void SoundWanted(const QString &name) override { Add("sound " + name); }
  void TitleShown() override { Add("title"); }
  void WaitingForPicture() override { Add("waiting"); }
  void LevelStarted(const TPlaySession &, int level, int count, const TLevelLook &) override {
    Add(QStringLiteral("level %1/%2").arg(level).arg(count));
  }
  void LevelEndShown() override { Add("level end"); }
  void GameOverShown(bool all) override { Add(all ? "game over, all played" : "game over"); }
  void PieceLanded(const TLanding &landing, const TPlaySession &) override {
    Add(QStringLiteral("landed %1").arg(landing.RowsRemoved));
  }
  void ScoreChanged(int score) override { Add(QStringLiteral("score %1").arg(score)); }
  void PauseChanged(TPauseChange change, const TPlaySession &) override {
    Add(QStringLiteral("pause %1").arg(int(change)));
  }

private:
  void Add(const QString &line) { Lines << (Name.isEmpty() ? line : Name + ": " + line); }
  QStringList &Lines;
  QString Name;
};

class GameModelTest : public ::testing::Test {
protected:
  GameModelTest() : Model(Scheduler, Keys, Levels, 20261210) { Model.Subscribe(Log); }

  void Frames(int count) {
    for (int i = 0; i < count; ++i) {
      Scheduler.Advance(16);
      Model.Frame();
    }
  }
  void Tap(Qt::Key key) {
    Keys.Press(KeyCode(key));
    Frames(1);
    Keys.Release(KeyCode(key));
    Frames(1);
  }
  bool Logged(const QString &line) const { return Lines.contains(line); }

  TScheduler Scheduler;
  TKeyStateTable Keys;
  TScriptedLevels Levels;
  TGameModel Model;
  QStringList Lines;
  TEventLog Log{Lines};
};

TEST_F(GameModelTest, DroppedPiecesFillTheWellAndEndTheGame) {
  Model.ShowTitleSoon();
  Scheduler.Advance(25);
  ASSERT_EQ(Model.GameState(), StateTitle);
  EXPECT_EQ(Levels.Prefetched, QList<int>{1});
  Tap(Qt::Key_Space);
  ASSERT_EQ(Model.GameState(), StatePlaying);
  Scheduler.Advance(150); // the play field shows: the piece may fall
  for (int i = 0; i < 400 && Model.GameState() == StatePlaying; ++i)
    Tap(Qt::Key_Space);
  ASSERT_EQ(Model.GameState(), StateGameOver);
  EXPECT_FALSE(Model.AllLevelsDone());
  EXPECT_EQ(Model.Level(), 1);
  EXPECT_TRUE(Logged("game over"));
  EXPECT_TRUE(Logged("sound EndGame"));
  // Each landing is followed by the score it made, which never goes down.
  int landings = 0, last = -1;
  for (int i = 0; i < Lines.size(); ++i) {
    if (!Lines[i].startsWith("landed"))
      continue;
    ++landings;
    ASSERT_LT(i + 1, Lines.size());
    ASSERT_TRUE(Lines[i + 1].startsWith("score ")) << Lines[i + 1].toStdString();
    const int score = Lines[i + 1].mid(6).toInt();
    EXPECT_GE(score, last);
    last = score;
  }
  EXPECT_GE(landings, 4); // a 18-row well takes several pieces to fill
  EXPECT_EQ(Model.Session().Score(), last);
}

TEST_F(GameModelTest, LevelsPlayInTurnAndTheLastOneEndsTheGameWithAllPlayed) {
  Model.StartGame();
  EXPECT_TRUE(Logged("level 1/2"));
  Model.FinishLevel();
  ASSERT_EQ(Model.GameState(), StateLevelEnd);
  EXPECT_EQ(Levels.Prefetched.last(), 2); // the next level is decoded ahead
  Tap(Qt::Key_Space);
  EXPECT_EQ(Model.Level(), 2);
  EXPECT_TRUE(Logged("level 2/2"));
  Model.FinishLevel();
  Tap(Qt::Key_Space);
  ASSERT_EQ(Model.GameState(), StateGameOver);
  EXPECT_TRUE(Model.AllLevelsDone());
  EXPECT_EQ(Model.Level(), 1);
  const QStringList states = Lines.filter("state ");
  EXPECT_EQ(states, (QStringList{"state 2", "state 4", "state 2", "state 4", "state 3"}));
}

TEST_F(GameModelTest, ALevelThatCannotBePreparedIsSkipped) {
  Levels.Count = 3;
  Levels.Unusable = {1, 2};
  Model.StartGame();
  EXPECT_EQ(Levels.Prepared, (QList<int>{1, 2, 3}));
  EXPECT_EQ(Model.Level(), 3);
  EXPECT_TRUE(Logged("level 3/3"));
  EXPECT_FALSE(Logged("level 1/3"));
}

TEST_F(GameModelTest, NoUsableLevelEndsTheGameAsIfAllWerePlayed) {
  Levels.Unusable = {1, 2};
  Model.StartGame();
  EXPECT_EQ(Model.GameState(), StateGameOver);
  EXPECT_TRUE(Model.AllLevelsDone());
  EXPECT_FALSE(Model.GameRunning());
  EXPECT_TRUE(Lines.filter("level ").isEmpty());
}

TEST_F(GameModelTest, AStartWaitsForThePictureThenSaysSoAndStartsWhenItIsReady) {
  Levels.Busy = true;
  Model.StartGame();
  EXPECT_TRUE(Levels.Prepared.isEmpty());
  Scheduler.Advance(249);
  EXPECT_FALSE(Logged("waiting"));
  Scheduler.Advance(1);
  EXPECT_TRUE(Logged("waiting"));
  Levels.Busy = false;
  Model.LevelPictureReady();
  EXPECT_TRUE(Logged("level 1/2"));
  EXPECT_TRUE(Model.GameRunning());
}

TEST_F(GameModelTest, APictureReadyAfterTheStartWasLeftStartsNothing) {
  Levels.Busy = true;
  Model.StartGame();
  Model.ShowTitle();
  Levels.Busy = false;
  Model.LevelPictureReady();
  Scheduler.Advance(1000);
  EXPECT_EQ(Model.GameState(), StateTitle);
  EXPECT_TRUE(Levels.Prepared.isEmpty());
  EXPECT_FALSE(Logged("waiting"));
}

TEST_F(GameModelTest, APauseHoldsThePieceAndTheTurnKeyResumesWithoutTurning) {
  Model.StartGame();
  Scheduler.Advance(150);
  Frames(70); // the piece leaves the top row
  Model.Pause().Request();
  Scheduler.Advance(5);
  ASSERT_TRUE(Model.Pause().Paused());
  EXPECT_TRUE(Logged("pause 0"));
  EXPECT_TRUE(Logged("sound Pause"));
  const TPiece held = Model.Session().Piece.Piece();
  Frames(300);
  EXPECT_EQ(Model.Session().Piece.Piece().Block(0).Row, held.Block(0).Row);
  EXPECT_FALSE(Model.Pieces().Falling());

  const TPlayerActions turn = Model.Input().Keyboard.Bindings.ActionsOf(KeyCode(Qt::Key_Up));
  EXPECT_TRUE(Model.KeyDown(turn, true));
  Scheduler.Advance(5);
  EXPECT_FALSE(Model.Pause().Paused());
  EXPECT_TRUE(Logged("pause 1"));
  Keys.Press(KeyCode(Qt::Key_Up));
  Frames(2);
  EXPECT_EQ(Model.Session().Piece.Piece().Turn, held.Turn);
  EXPECT_TRUE(Model.Pieces().Falling());
}

TEST_F(GameModelTest, StoppingAPausedGameEndsThePauseAndTheScore) {
  Model.StartGame();
  Scheduler.Advance(150);
  Frames(70);
  Model.Pause().Request();
  Scheduler.Advance(5);
  ASSERT_TRUE(Model.Pause().Paused());
  Model.StopRunningGame();
  EXPECT_TRUE(Logged("pause 2"));
  EXPECT_FALSE(Model.Pause().Paused());
  EXPECT_FALSE(Model.Pause().Suspended());
  EXPECT_TRUE(Model.Input().Keyboard.Enabled());
  EXPECT_EQ(Model.Session().Score(), 0);
  EXPECT_EQ(Model.GameState(), StateTitle);
  EXPECT_FALSE(Model.Session().Piece.Active());
}

TEST_F(GameModelTest, ObserversAreToldInTheOrderTheySubscribed) {
  TEventLog second(Lines, "second");
  Model.Subscribe(second);
  Model.ShowTitle();
  const int first = int(Lines.indexOf("title"));
  ASSERT_GE(first, 0);
  EXPECT_EQ(Lines.value(first + 1), "second: title");
}

TEST_F(GameModelTest, FramesSleepWhenNothingMovesAndIdleWhileThePieceRests) {
  Model.ShowTitle();
  Frames(1);
  EXPECT_EQ(Model.FramesNeeded(false, false), TGameModel::Sleep);
  EXPECT_EQ(Model.FramesNeeded(true, false), TGameModel::Run); // a picture waits to be shown
  Keys.Press(KeyCode(Qt::Key_Left));
  Frames(1);
  EXPECT_EQ(Model.FramesNeeded(false, false), TGameModel::Run); // a key is held
  Keys.Release(KeyCode(Qt::Key_Left));
  Model.StartGame();
  EXPECT_EQ(Model.FramesNeeded(false, false), TGameModel::Run); // the first piece is due
  Frames(15); // the piece appears and slides its first row down
  EXPECT_EQ(Model.FramesNeeded(false, false), TGameModel::Idle);
  EXPECT_EQ(Model.FramesNeeded(false, true), TGameModel::Run); // the surface was drawn on
  Model.Pause().MenuOpen(true);
  EXPECT_EQ(Model.FramesNeeded(false, false), TGameModel::Sleep);
}

} // namespace

// The state machine: menu items per state and what the confirm key does in each state.
#include "tests/app/GameHarness.h"

#include <gtest/gtest.h>

namespace {

struct TMenuRow {
  bool New1, Open1, Edit, GamePause, GameStart, StopGame1, Score1;
};

void ExpectMenu(TGame &game, const TMenuRow &row, const char *where) {
  const TMenuModel &m = game.Menu();
  EXPECT_EQ(m.Enabled(TCommand::CreateGame), row.New1) << where;
  EXPECT_EQ(m.Enabled(TCommand::OpenGame), row.Open1) << where;
  for (TCommand command : {TCommand::EditGame, TCommand::SaveGame, TCommand::SaveGameAs})
    EXPECT_EQ(m.Enabled(command), row.Edit) << where << ' ' << MenuItemName(command);
  EXPECT_EQ(m.Enabled(TCommand::PauseGame), row.GamePause) << where;
  EXPECT_EQ(m.Enabled(TCommand::StartGame), row.GameStart) << where;
  EXPECT_EQ(m.Enabled(TCommand::StopGame), row.StopGame1) << where;
  EXPECT_EQ(m.Enabled(TCommand::Score), row.Score1) << where;
}

} // namespace

TEST(StateMachineTest, MenuItemsFollowTheState) {
  TGameHarness h;
  h.MakeGame("Default", {TTestLevel{}});
  h.Start();
  h.Advance(25);
  ExpectMenu(*h.Game, {true, true, true, false, true, false, true}, "title");
  h.StartPlaying();
  ExpectMenu(*h.Game, {false, true, false, true, false, true, false}, "playing");
  h.Game->KeyDown(Qt::Key_L, true);
  ExpectMenu(*h.Game, {false, false, false, false, false, true, true}, "level end");
  h.Tap(Qt::Key_Space);
  ASSERT_EQ(h.Game->Model().GameState(), StateGameOver);
  ExpectMenu(*h.Game, {false, true, false, false, false, false, true}, "game over");
}

TEST(StateMachineTest, AGameWithoutLevelsNeverLeavesTheTitle) {
  TGameHarness h;
  h.MakeGame("Default", {});
  h.Start();
  h.Advance(25);
  ASSERT_EQ(h.Game->Model().GameState(), StateTitle);
  ExpectMenu(*h.Game, {true, true, false, false, false, false, false}, "title");
  h.Tap(Qt::Key_Space);
  h.Frames(5);
  EXPECT_EQ(h.Game->Model().GameState(), StateTitle);
}

TEST(StateMachineTest, TheStartKeyDoesNotAlsoDropTheFirstPiece) {
  TGameHarness h;
  h.MakeGame("Default", {TTestLevel{}});
  h.Start();
  h.Advance(25);
  h.Press(Qt::Key_Space);
  h.Frames(1); // title -> playing; the press is consumed by the change of state
  h.Frames(2); // the first piece appears with Space still held
  h.Release(Qt::Key_Space);
  ASSERT_TRUE(h.Game->Model().Session().Piece.Active());
  EXPECT_GE(h.Game->Model().Session().Piece.Piece().Block(0).Row, 17);
  EXPECT_EQ(h.Game->Model().Session().Score(), 0);
}

TEST(StateMachineTest, NoFramesRunWhileTheApplicationIsInactive) {
  TGameHarness h;
  h.MakeGame("Default", {TTestLevel{}});
  h.Start();
  h.Advance(25);
  h.Game->WindowActive(false);
  EXPECT_EQ(h.Game->Caption(), "Quarrybox - Default [Away]");
  h.Press(Qt::Key_Space);
  h.Frames(5);
  EXPECT_EQ(h.Game->Model().GameState(), StateTitle);
  h.Game->WindowActive(true);
  EXPECT_EQ(h.Game->Caption(), "Quarrybox - Default");
  h.Frames(1);
  EXPECT_EQ(h.Game->Model().GameState(), StatePlaying);
}

TEST(StateMachineTest, NoTimerRunsWhileTheTitleWaitsAndAKeyWakesTheGame) {
  TGameHarness h;
  h.MakeGame("Default", {TTestLevel{}});
  h.Start();
  h.Advance(100);
  ASSERT_EQ(h.Game->Model().GameState(), StateTitle);
  EXPECT_EQ(h.Scheduler.NextDue(), -1);
  h.Tap(Qt::Key_Space);
  EXPECT_EQ(h.Game->Model().GameState(), StatePlaying);
}

// Whole games under virtual time: a simple bot plays a two-level game until every picture cell
// is uncovered and the game ends; left alone, the stack reaches the top.
#include "tests/app/Bot.h"

#include <gtest/gtest.h>

TEST(BotPlayTest, ABotUncoversEveryCellOfTwoLevelsAndReachesTheEnd) {
  TGameHarness h;
  h.MakeGame("Default", {TTestLevel{{200, 200}, 100}, TTestLevel{{300, 150}, 75, true}});
  h.Start();
  h.StartPlaying();
  TBot bot(h);
  int levelsFinished = 0;
  for (int step = 0; step < 200000 && h.Game->Model().GameState() != StateGameOver; ++step) {
    if (h.Game->Model().GameState() == StateLevelEnd) {
      ++levelsFinished;
      EXPECT_EQ(h.Game->Model().Session().Cells.HiddenCount(), 0);
      h.Frames(2);
      h.Tap(Qt::Key_Space);
      continue;
    }
    ASSERT_EQ(h.Game->Model().GameState(), StatePlaying) << "the stack reached the top";
    bot.Step();
  }
  EXPECT_EQ(levelsFinished, 2);
  EXPECT_EQ(h.Game->Model().GameState(), StateGameOver);
  EXPECT_TRUE(h.Game->Model().AllLevelsDone());
  // Each level: 1000 for finishing plus 100 for each of its cells, and more for the pieces.
  EXPECT_GT(h.Game->Model().Session().Score(), 2 * 1000 + 4 * 100 + 2 * 100);
}

TEST(BotPlayTest, LeftAloneTheStackReachesTheTopAndTheGameEnds) {
  TGameHarness h;
  h.MakeGame("Default", {TTestLevel{}});
  h.Start();
  h.StartPlaying();
  for (int ms = 0; ms < 2000000 && h.Game->Model().GameState() == StatePlaying; ms += 100)
    h.Advance(100);
  EXPECT_EQ(h.Game->Model().GameState(), StateGameOver);
  EXPECT_FALSE(h.Game->Model().AllLevelsDone());
  // 10 points a landing: pieces stacked in the middle need at least eight to fill it.
  EXPECT_GE(h.Game->Model().Session().Score(), 80);
  EXPECT_LT(h.Game->Screen().Surface().Left(), 0);
  EXPECT_TRUE(h.Game->Screen().Overlays().Prompt().Visible);
}

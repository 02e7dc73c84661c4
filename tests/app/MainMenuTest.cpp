// The main window's menus as the game's state shows them.
#include "app/MainMenu.h"
#include "app/MainForm.h"
#include "gamefile/StandAlone.h"
#include "tests/app/GameHarness.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

TEST(MainMenuTest, AStandAloneGameOffersExitAndPlayButNoFileCommandsOrHelp) {
  TGameHarness h;
  const QString castle = h.Folder + "Castle";
  ASSERT_TRUE(MakeStandAlone(QStringLiteral(QB_PROGRAM_DIR "/quarrybox"),
                             h.MakeGame("Castle", {TTestLevel{}}), castle)
                  .Ok());
  TMainForm form(*h.Game, h.Settings);
  h.Start({}, castle);
  h.Advance(50);
  for (const char *item :
       {"Open1", "OpenRecent1", "Games1", "New1", "EditGame1", "MakeExe1", "Save1", "SaveAs1"})
    EXPECT_FALSE(form.Action(item)->isVisible()) << item;
  EXPECT_TRUE(form.Action("Exit1")->isVisible());
  EXPECT_TRUE(form.Action("GameStart")->isVisible());
  EXPECT_FALSE(form.findChild<QMenu *>("Help1")->menuAction()->isVisible());
  EXPECT_TRUE(form.findChild<QMenu *>("File1")->menuAction()->isVisible());
}

TEST(MainMenuTest, TheMenuShortcutsAreTheKeysKeptFromPlayWithTheirItemsCaptions) {
  QWidget window;
  BuildMainMenu(new QMenuBar(&window));
  const QMap<TKeyCode, QString> keys = MenuShortcutKeys(&window);
  EXPECT_EQ(keys, (QMap<TKeyCode, QString>{{KeyCode(Qt::Key_F2), "Start Game"},
                                           {KeyCode(Qt::Key_F3), "Pause Game"},
                                           {KeyCode(Qt::Key_F11), "Full Screen"}}));
}

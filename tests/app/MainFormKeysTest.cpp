// Keys as the main window receives them: a held key acts once however the platform repeats it,
// and the Pause Game item shows the paused state as its check mark.
#include "app/MainForm.h"
#include "tests/app/GameHarness.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class MainFormKeysTest : public ::testing::Test {
protected:
  void SetUp() override {
    H.MakeGame("Default", {TTestLevel{}});
    H.Start();
    Form.show();
    Form.activateWindow(); // keys count only while the window is in front
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
    H.StartPlaying();
    H.Frames(10);
  }
  void Send(QEvent::Type type, Qt::Key key, bool autoRepeat = false) {
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QCoreApplication::sendEvent(&Form, &event);
  }
  TGameHarness H;
  TMainForm Form{*H.Game, H.Settings};
};

} // namespace

TEST_F(MainFormKeysTest, AHeldPauseKeyPausesOnceWhateverItsRepeatsLookLike) {
  // X11 with press-only repeats: presses of a key that is down; Wayland: marked repeats.
  Send(QEvent::KeyPress, Qt::Key_P);
  for (int repeat = 0; repeat < 9; ++repeat) {
    H.Frames(3);
    Send(QEvent::KeyPress, Qt::Key_P, repeat % 2 == 1);
  }
  H.Frames(3);
  EXPECT_TRUE(H.Game->Model().Pause().Paused());
  EXPECT_EQ(H.Sound.Played.count("Pause"), 1);
  Send(QEvent::KeyRelease, Qt::Key_P);
  Send(QEvent::KeyPress, Qt::Key_P); // a new press resumes
  H.Frames(3);
  EXPECT_FALSE(H.Game->Model().Pause().Paused());
}

TEST_F(MainFormKeysTest, ThePauseItemIsCheckedWhileTheGameIsPaused) {
  QAction *pause = Form.Action("GamePause");
  ASSERT_TRUE(pause->isCheckable());
  pause->trigger();
  H.Frames(3); // the pause comes once the piece has left the top row
  ASSERT_TRUE(H.Game->Model().Pause().Paused());
  EXPECT_TRUE(pause->isChecked());
  Send(QEvent::KeyPress, Qt::Key_Up); // resumes
  H.Frames(1);
  EXPECT_FALSE(H.Game->Model().Pause().Paused());
  EXPECT_FALSE(pause->isChecked());
}

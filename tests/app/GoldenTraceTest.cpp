// Whole games under virtual time whose traces must stay byte for byte what they were: any
// change of behaviour shows up here. QB_UPDATE_GOLDEN=1 writes the traces anew (after a change
// that is meant).
#include "app/Trace.h"
#include "tests/app/Bot.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString GoldenFolder = QStringLiteral(QB_GOLDEN_DIR "/");

void ExpectGolden(const QString &name, const QByteArray &trace) {
  QFile file(GoldenFolder + name + ".trace");
  if (qEnvironmentVariableIntValue("QB_UPDATE_GOLDEN") == 1) {
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(trace);
    return;
  }
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  const QByteArray golden = file.readAll();
  if (golden == trace)
    return;
  const QList<QByteArray> want = golden.split('\n'), got = trace.split('\n');
  for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i) {
    const QByteArray w = want.value(i), g = got.value(i);
    if (w != g) {
      ADD_FAILURE() << name.toStdString() << " differs at line " << i + 1 << ": expected \""
                    << w.toStdString() << "\", got \"" << g.toStdString() << '"';
      return;
    }
  }
}

// The bot plays until the game is over (every level done or the stack at the top), going on
// from each level end.
void PlayToTheEnd(TGameHarness &h, int maxSteps) {
  TBot bot(h);
  for (int step = 0; step < maxSteps && h.Game->Model().GameState() != StateGameOver; ++step) {
    if (h.Game->Model().GameState() == StateLevelEnd) {
      h.Frames(2);
      h.Tap(Qt::Key_Space);
      continue;
    }
    bot.Step();
  }
}

class GoldenTraceTest : public ::testing::Test {
protected:
  // A key as the window passes it on: into the key table and to the key-down handler.
  void Key(int vk, bool ctrl = false) {
    H.Press(vk);
    H.Game->KeyDown(vk, ctrl);
    H.Frames(1);
    H.Release(vk);
  }

  TGameHarness H;
  QByteArray Trace;
  Trace::TCapture Capture{Trace, [this] { return H.Scheduler.Now(); }};
};

} // namespace

TEST_F(GoldenTraceTest, TheBotPlaysTheDefaultGame) {
  ASSERT_TRUE(QFile::copy(QStringLiteral(QB_PROGRAM_DIR) + "/Games/Default.qbx",
                          H.Folder + "Games/Default.qbx"));
  H.Start();
  H.StartPlaying();
  PlayToTheEnd(H, 60000);
  H.Frames(10);
  H.Tap(Qt::Key_Space); // back to the title
  H.Frames(10);
  ExpectGolden("default-game", Trace);
}

TEST_F(GoldenTraceTest, TheBotPlaysATwoLevelGameToItsEnd) {
  H.MakeGame("Default", {TTestLevel{{200, 200}, 100}, TTestLevel{{300, 150}, 75, true}});
  H.Start();
  H.StartPlaying();
  PlayToTheEnd(H, 200000);
  ExpectGolden("two-levels", Trace);
}

TEST_F(GoldenTraceTest, PauseLevelSkipAndStop) {
  H.MakeGame("Default", {TTestLevel{}, TTestLevel{{300, 150}, 75, true}});
  H.Start();
  H.StartPlaying();
  H.Advance(1500);
  Key(Qt::Key_P); // pauses once the piece has left the top row
  H.Advance(2000);
  Key(Qt::Key_Up); // resumes without turning
  H.Advance(1200);
  Key(Qt::Key_P);
  H.Advance(300);
  Key(Qt::Key_P);
  H.Advance(700);
  Key(Qt::Key_L, true); // skips the level
  H.Frames(5);
  H.Tap(Qt::Key_Space);
  H.Advance(2500);
  H.Game->Run(TCommand::Sound); // off: nothing more is heard
  H.Advance(500);
  H.Game->Run(TCommand::Sound);
  H.Game->Run(TCommand::StopGame); // confirmed by the fake box
  H.Frames(10);
  ExpectGolden("pause-skip-stop", Trace);
}

// The player's choices in play, under virtual time: the landing place drawn when asked, Down
// held with "fall fast" lands the piece as a fallen one, and the keys and volume stored by the
// Preferences dialog are used once it closes.
#include "app/Trace.h"
#include "rules/Piece.h"
#include "tests/app/GameHarness.h"

#include <gtest/gtest.h>

namespace {

class PreferencesPlayTest : public ::testing::Test {
protected:
  void SetUp() override { H.MakeGame("Default", {TTestLevel{}, TTestLevel{}}); }
  void Play() {
    H.Start();
    H.StartPlaying();
    H.Frames(1);
  }
  TPlaySession &Session() { return H.Game->Model().Session(); }
  const TPiece &Piece() { return Session().Piece.Piece(); }
  // The last value of a trace event, and how many there were.
  QByteArray Last(const QByteArray &name) {
    QByteArray value;
    for (const QByteArray &line : Trace.split('\n'))
      if (line.split(' ').value(1) == name)
        value = line.split(' ').value(2);
    return value;
  }
  int Count(const QByteArray &name) {
    int n = 0;
    for (const QByteArray &line : Trace.split('\n'))
      n += line.split(' ').value(1) == name;
    return n;
  }
  // Frames until the first piece lands; how many it took.
  int FramesToLand() {
    int frames = 0;
    while (Count("land") == 0 && frames < 5000) {
      H.Frames(1);
      ++frames;
    }
    return frames;
  }
  QRgb SurfaceAt(QPoint at) {
    return H.Game->Screen().Surface().Surface().Image().pixel(at + QPoint(9, 9));
  }

  TGameHarness H;
  QByteArray Trace;
  Trace::TCapture Capture{Trace, [this] { return H.Scheduler.Now(); }};
};

} // namespace

TEST_F(PreferencesPlayTest, TheLandingPlaceIsDrawnOnlyWhileItIsAskedFor) {
  Play();
  H.Frames(20); // the play field shows
  const std::vector<QPoint> landing = Session().Piece.LandingPositions();
  ASSERT_EQ(landing.size(), 4u);
  std::vector<QRgb> plain;
  for (const QPoint &at : landing)
    plain.push_back(SurfaceAt(at));

  Session().Prefs.ShowLandingPlace = true;
  H.Frames(1);
  ASSERT_EQ(Session().Piece.LandingPositions(), landing) << "the piece was not moved sideways";
  for (size_t i = 0; i < landing.size(); ++i)
    EXPECT_NE(SurfaceAt(landing[i]), plain[i]) << i;

  Session().Prefs.ShowLandingPlace = false;
  H.Frames(1);
  for (size_t i = 0; i < landing.size(); ++i)
    EXPECT_EQ(SurfaceAt(landing[i]), plain[i]) << i;
}

// The same first piece in the same column, three ways down: fallen, Down held with "fall fast",
// and Down with "drop". Only the drop scores the rows it skipped.
TEST_F(PreferencesPlayTest, DownHeldToFallFastLandsSoonWithAFallenPiecesPoints) {
  struct Way {
    TDownKey Down;
    bool Held;
    int Frames = 0;
    QByteArray Score;
  } ways[] = {{TDownKey::Drop, false}, {TDownKey::Fall, true}, {TDownKey::Drop, true}};
  for (Way &way : ways) {
    TGameHarness h;
    h.MakeGame("Default", {TTestLevel{}, TTestLevel{}});
    h.Settings.WriteSetting("DownArrow", way.Down == TDownKey::Fall ? "Fall" : "Drop");
    QByteArray trace;
    Trace::TCapture capture{trace, [&h] { return h.Scheduler.Now(); }};
    h.Start();
    h.StartPlaying();
    h.Frames(1);
    if (way.Held)
      h.Press(Qt::Key_Down);
    for (; !trace.contains(" land ") && way.Frames < 5000; ++way.Frames)
      h.Frames(1);
    h.Release(Qt::Key_Down);
    for (const QByteArray &line : trace.split('\n'))
      if (line.split(' ').value(1) == "score")
        way.Score = line.split(' ').value(2);
  }
  const Way &fallen = ways[0], &fast = ways[1], &dropped = ways[2];
  ASSERT_FALSE(fallen.Score.isEmpty());
  EXPECT_EQ(fast.Score, fallen.Score) << "no drop points for a piece that fell";
  EXPECT_LT(fast.Frames * 4, fallen.Frames) << fast.Frames << " frames against " << fallen.Frames;
  EXPECT_GT(dropped.Score.toInt(), fallen.Score.toInt());
}

TEST_F(PreferencesPlayTest, TheKeysAndVolumeStoredByPreferencesAreUsedWhenItCloses) {
  Play();
  EXPECT_EQ(H.Sound.Volume, 100) << "missing: full";
  H.Settings.WriteSetting("KeyTurn", "W");
  H.Settings.WriteSetting("SoundVolume", "50");
  H.Game->Run(TCommand::Preferences);
  ASSERT_EQ(H.Dialogs.Opened, QStringList{"Preferences"});
  EXPECT_EQ(H.Sound.Volume, 50);

  Session().Piece.SetType(5); // the long piece: every turn shows
  H.Frames(1);
  H.Tap(Qt::Key_Up); // no longer a turn key
  H.Frames(10);
  EXPECT_EQ(Count("move"), 0);
  const int turn = Piece().Turn;
  H.Tap(Qt::Key_W);
  H.Frames(10);
  EXPECT_NE(Piece().Turn, turn);
  EXPECT_EQ(Count("move"), 1);
}

TEST_F(PreferencesPlayTest, TheStoredVolumeIsSetAtStart) {
  H.Settings.WriteSetting("SoundVolume", "30");
  H.Start();
  EXPECT_EQ(H.Sound.Volume, 30);
}

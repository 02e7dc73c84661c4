// The main window's size: whole factors only, the default on high-density screens, the stored
// choice, and pictures that are the factor-1 picture scaled pixel for pixel.
#include "app/WindowSize.h"
#include "app/MainForm.h"
#include "app/WindowPictureView.h"
#include "tests/app/GameHarness.h"

#include <QAction>
#include <QMenu>
#include <QScreen>

#include <gtest/gtest.h>

TEST(WindowSizeTest, TheLargestWholeFactorThatFits) {
  const QSize picture(600, 400);
  EXPECT_EQ(LargestFactor({3840, 2160}, picture), 5); // height decides: 2160 / 400
  EXPECT_EQ(LargestFactor({1799, 1200}, picture), 2);
  EXPECT_EQ(LargestFactor({1800, 1200}, picture), 3);
  EXPECT_EQ(LargestFactor({500, 300}, picture), 1); // never below 1
}

TEST(WindowSizeTest, AHighDensityScreenStartsAtTheLargestWindowThatFits) {
  TGameHarness h;
  const QSize picture(600, 400);
  EXPECT_EQ(ReadWindowSize(h.Settings, {3800, 2000}, 2.0, picture), (TWindowSize{3, false}));
  EXPECT_EQ(ReadWindowSize(h.Settings, {1700, 1000}, 2.0, picture), (TWindowSize{2, false}));
  EXPECT_EQ(ReadWindowSize(h.Settings, {3800, 2000}, 1.0, picture), (TWindowSize{1, false}));
  // Once chosen, the stored size counts, whatever the screen.
  WriteWindowSize(h.Settings, {1, true});
  EXPECT_EQ(ReadWindowSize(h.Settings, {3800, 2000}, 2.0, picture), (TWindowSize{1, true}));
  // A size chosen on a larger screen: the largest that fits this one.
  WriteWindowSize(h.Settings, {3, false});
  EXPECT_EQ(ReadWindowSize(h.Settings, {1008, 700}, 1.0, picture).Factor, 1);
  EXPECT_EQ(ReadWindowSize(h.Settings, {1400, 900}, 1.0, picture).Factor, 2);
  h.Settings.WriteSetting("WindowSize", "9");
  EXPECT_EQ(ReadWindowSize(h.Settings, {1000, 800}, 1.0, picture).Factor, 1);
}

namespace {

class ScaledWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    H.MakeGame("Default", {TTestLevel{}});
    H.Start();
    Form.show();
    H.StartPlaying();
    H.Frames(30); // a piece on its way down, drawn on the play surface
  }
  QImage Shot() {
    return Form.centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  TGameHarness H;
  TMainForm Form{*H.Game, H.Settings};
};

} // namespace

TEST_F(ScaledWindowTest, DoubleAndTripleAreTheNormalPictureScaledPixelForPixel) {
  Form.Action("SizeNormal1")->trigger();
  const QImage normal = Shot();
  ASSERT_EQ(normal.size(), QSize(600, 400));
  for (const auto &[item, factor] : {std::pair{"SizeDouble1", 2}, std::pair{"SizeTriple1", 3}}) {
    Form.Action(item)->trigger();
    EXPECT_TRUE(Form.Action(item)->isChecked());
    EXPECT_FALSE(Form.Action("SizeNormal1")->isChecked());
    const QImage scaled = Shot();
    ASSERT_EQ(scaled.size(), normal.size() * factor);
    EXPECT_EQ(scaled,
              normal.scaled(normal.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation))
        << item;
    EXPECT_EQ(H.Settings.ReadSetting("WindowSize"), QString::number(factor));
  }
}

TEST_F(ScaledWindowTest, FullScreenTogglesAndLeavesTheWindowedSizeAsItWas) {
  Form.Action("SizeDouble1")->trigger();
  Form.Action("FullScreen1")->trigger();
  EXPECT_TRUE(Form.Action("FullScreen1")->isChecked());
  EXPECT_FALSE(Form.Action("SizeDouble1")->isChecked());
  EXPECT_EQ(H.Settings.ReadSetting("FullScreen"), "ON");
  Form.Action("FullScreen1")->trigger();
  EXPECT_FALSE(Form.isFullScreen());
  EXPECT_TRUE(Form.Action("SizeDouble1")->isChecked());
  EXPECT_EQ(Form.centralWidget()->size(), QSize(1200, 800));
  EXPECT_EQ(H.Settings.ReadSetting("FullScreen"), "OFF");
}

TEST_F(ScaledWindowTest, OnlySizesThatFitTheScreenAreOfferedAndTheWindowStaysOnIt) {
  const QRect area = Form.screen()->availableGeometry();
  ASSERT_LT(area.width(), 1200) << "the test screen is taken to be smaller than Double";
  Form.move(area.right() - 100, area.bottom() - 100);
  Form.Action("SizeNormal1")->trigger();
  EXPECT_TRUE(area.contains(Form.frameGeometry())) << "the window is not wholly on its screen";

  QMenu *options = Form.findChild<QMenu *>("Options1");
  emit options->aboutToShow();
  emit options->aboutToHide();
  EXPECT_TRUE(Form.Action("SizeNormal1")->isEnabled());
  EXPECT_FALSE(Form.Action("SizeDouble1")->isEnabled());
  EXPECT_FALSE(Form.Action("SizeTriple1")->isEnabled());
  // The game's own menu updates (the level skipped: a new state) leave them so.
  H.Game->KeyDown(Qt::Key_L, true);
  ASSERT_EQ(H.Game->Model().GameState(), StateLevelEnd);
  EXPECT_FALSE(Form.Action("SizeDouble1")->isEnabled());
}

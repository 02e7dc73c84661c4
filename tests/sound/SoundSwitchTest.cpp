#include "media/SoundSwitch.h"
#include "media/MediaError.h"
#include "tests/sound/FakeSoundBackend.h"

#include <gtest/gtest.h>

#include <QObject>

namespace {

class SoundSwitchTest : public ::testing::Test {
protected:
  void SetUp() override {
    Sounds.Add("Dialog", "RIFF dialog");
    Sounds.Add("FallDown", "RIFF falldown");
  }

  TFakeSoundBackend Output;
  QObject Window;
  TDXSound Device{Output, &Window};
  TScheduler Scheduler;
  TDXWaveList Sounds{Scheduler, &Device};
  TSoundSwitch Sound{Device, Sounds};
};

} // namespace

TEST_F(SoundSwitchTest, OffNeverTouchesTheOutputEvenWithTheDeviceInitialized) {
  Device.Initialize();
  Output.Calls = 0;
  ASSERT_FALSE(Sound.IsOn());
  Sound.PlaySound("Dialog");
  Sound.PlaySound("Nope"); // not even looked up
  Scheduler.Advance(100);
  EXPECT_EQ(Output.Calls, 0);
  EXPECT_EQ(Sounds.CopyCount(), 0);
}

TEST_F(SoundSwitchTest, OnInitializesTheDeviceAndPlays) {
  EXPECT_TRUE(Sound.SetOn(true));
  EXPECT_TRUE(Device.Initialized());
  Sound.PlaySound("FallDown");
  ASSERT_EQ(Output.Started.size(), 1u);
  EXPECT_EQ(Output.Started[0].Channel, 0);
  EXPECT_EQ(Sounds.CopyCount(), 1);
}

TEST_F(SoundSwitchTest, OnWithoutAnOutputEndsOffWithoutAnError) {
  Output.OpenFails = true;
  EXPECT_FALSE(Sound.SetOn(true));
  EXPECT_FALSE(Sound.IsOn());
  EXPECT_FALSE(Device.Initialized());
  const int calls = Output.Calls;
  Sound.PlaySound("Dialog");
  EXPECT_EQ(Output.Calls, calls);
  // Once an output is there, switching on again works.
  Output.OpenFails = false;
  EXPECT_TRUE(Sound.SetOn(true));
}

TEST_F(SoundSwitchTest, OnKeepsAnAlreadyInitializedDevice) {
  Device.Initialize();
  EXPECT_TRUE(Sound.SetOn(true));
  EXPECT_EQ(Output.Opens, 1);
}

TEST_F(SoundSwitchTest, OffFinalizesAndStopsWhatIsPlaying) {
  Sound.SetOn(true);
  Sound.PlaySound("Dialog");
  Sound.PlaySound("Dialog");
  EXPECT_FALSE(Sound.SetOn(false));
  EXPECT_FALSE(Device.Initialized());
  EXPECT_EQ(Output.Stopped.size(), 2u);
  EXPECT_EQ(Output.SoundingCount(), 0);
}

TEST_F(SoundSwitchTest, AnUnknownNameWhileOnThrowsNotFound) {
  Sound.SetOn(true);
  try {
    Sound.PlaySound("Nope");
    FAIL() << "played a sound that is not in the list";
  } catch (const TMediaError &e) {
    EXPECT_EQ(e.Message(), "Wave 'Nope' not found");
  }
}

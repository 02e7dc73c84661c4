#include "media/SoundDevice.h"
#include "media/MediaError.h"
#include "media/SoundClipList.h"
#include "tests/sound/FakeSoundBackend.h"

#include <gtest/gtest.h>

#include <QObject>

namespace {

QString InitializeError(TSoundDevice &device) {
  try {
    device.Initialize();
  } catch (const TMediaError &e) {
    return e.Message();
  }
  return {};
}

} // namespace

TEST(SoundDeviceTest, WithoutAnOwnerWindowInitializeFailsBeforeOpeningAnything) {
  TFakeSoundBackend output;
  TSoundDevice device(output);
  EXPECT_EQ(InitializeError(device), "Form not found");
  EXPECT_EQ(output.Calls, 0);
  EXPECT_FALSE(device.Initialized());
}

TEST(SoundDeviceTest, AnOutputThatCannotOpenFailsWithPrimaryBuffer) {
  TFakeSoundBackend output;
  output.OpenFails = true;
  QObject window;
  TSoundDevice device(output, &window);
  EXPECT_EQ(InitializeError(device), "Primary Buffer cannot be made");
  EXPECT_FALSE(device.Initialized());
  EXPECT_FALSE(output.IsOpen());
}

TEST(SoundDeviceTest, InitializeAgainFinalizesFirst) {
  TFakeSoundBackend output;
  QObject window;
  TSoundDevice device(output, &window);
  TScheduler scheduler;
  TSoundClipList sounds(scheduler, &device);
  sounds.Add("Dialog", "RIFF");
  device.Initialize();
  sounds.FindByName("Dialog").Play();
  device.Initialize();
  EXPECT_EQ(output.Opens, 2);
  EXPECT_EQ(output.Closes, 1);
  EXPECT_EQ(output.Stopped.size(), 1u);
  EXPECT_EQ(output.LoadedClips.size(), 2u); // the clip made again for the new output
  EXPECT_TRUE(device.Initialized());
}

TEST(SoundDeviceTest, FinalizeWhenNotInitializedDoesNothing) {
  TFakeSoundBackend output;
  QObject window;
  TSoundDevice device(output, &window);
  device.Finalize();
  EXPECT_EQ(output.Calls, 0);
}

TEST(SoundDeviceTest, AListBoundToAnInitializedDeviceIsReadyAtOnce) {
  TFakeSoundBackend output;
  QObject window;
  TSoundDevice device(output, &window);
  device.Initialize();
  TScheduler scheduler;
  TSoundClipList sounds(scheduler);
  sounds.Add("Dialog", "RIFF");
  sounds.SetDevice(&device);
  EXPECT_TRUE(sounds.Ready());
  sounds.FindByName("Dialog").Play();
  EXPECT_EQ(output.Started.size(), 1u);
}

TEST(SoundDeviceTest, DestroyingAnInitializedDeviceClosesTheOutput) {
  TFakeSoundBackend output;
  {
    QObject window;
    TSoundDevice device(output, &window);
    device.Initialize();
  }
  EXPECT_EQ(output.Closes, 1);
  EXPECT_FALSE(output.IsOpen());
}

#include "media/SoundClipList.h"
#include "media/MediaError.h"
#include "tests/sound/FakeSoundBackend.h"

#include <gtest/gtest.h>

#include <QObject>

namespace {

QByteArray Image(const char *tag) { return QByteArray("RIFF") + tag; }

class SoundClipListTest : public ::testing::Test {
protected:
  void SetUp() override {
    Sounds.Add("Dialog", Image("dialog"));
    Sounds.Add("FallDown", Image("falldown"));
    Sounds.Add("Hum", Image("hum"), true);
  }

  TFakeSoundBackend Output;
  QObject Window;
  TSoundDevice Device{Output, &Window};
  TScheduler Scheduler;
  TSoundClipList Sounds{Scheduler, &Device};
};

class FindByNameMissTest : public SoundClipListTest,
                           public ::testing::WithParamInterface<const char *> {};

} // namespace

TEST_P(FindByNameMissTest, ThrowsWithTheName) {
  try {
    Sounds.FindByName(GetParam());
    FAIL() << "found " << GetParam();
  } catch (const TMediaError &e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Wave '%1' not found").arg(GetParam()));
  }
}

// Only the exact spelling matches.
INSTANTIATE_TEST_SUITE_P(Names, FindByNameMissTest,
                         ::testing::Values("Nope", "dialog", "Dialog ", "", "FallDown1"));

TEST_F(SoundClipListTest, FindByNameReturnsTheItemOfThatName) {
  EXPECT_EQ(&Sounds.FindByName("FallDown"), &Sounds.Items(1));
  EXPECT_EQ(Sounds.FindByName("Hum").Wave(), Image("hum"));
  EXPECT_TRUE(Sounds.FindByName("Hum").Looped());
  EXPECT_FALSE(Sounds.FindByName("Dialog").Looped());
}

TEST_F(SoundClipListTest, ItemsPastTheEndThrow) {
  ASSERT_EQ(Sounds.Count(), 3);
  EXPECT_THROW(Sounds.Items(3), TMediaError);
  EXPECT_THROW(Sounds.Items(-1), TMediaError);
}

TEST_F(SoundClipListTest, PlayBeforeTheDeviceIsInitializedTouchesNothing) {
  Sounds.FindByName("Dialog").Play();
  Sounds.FindByName("Hum").Play();
  EXPECT_EQ(Output.Calls, 0);
  EXPECT_FALSE(Sounds.Ready());
}

TEST_F(SoundClipListTest, InitializeMakesOneClipPerItemInListOrder) {
  Device.Initialize();
  EXPECT_TRUE(Sounds.Ready());
  EXPECT_EQ(Output.LoadedClips,
            (std::vector<QByteArray>{Image("dialog"), Image("falldown"), Image("hum")}));
}

TEST_F(SoundClipListTest, CopiesOfOneSoundOverlapAndPlayReturnsAtOnce) {
  Device.Initialize();
  Sounds.FindByName("FallDown").Play();
  Sounds.FindByName("FallDown").Play();
  ASSERT_EQ(Output.Started.size(), 2u);
  EXPECT_NE(Output.Started[0], Output.Started[1]);
  EXPECT_EQ(Output.SoundingCount(), 2);
  EXPECT_EQ(Sounds.CopyCount(), 2);
  EXPECT_EQ(Output.PlayingQuestions, 0); // nothing waited for the copies
}

TEST_F(SoundClipListTest, CleanUpEvery500MsFreesOnlyStoppedCopies) {
  Device.Initialize();
  for (int i = 0; i < 3; ++i)
    Sounds.FindByName("Dialog").Play();
  Output.Finish(Output.Started[1]);
  Scheduler.Advance(499);
  EXPECT_EQ(Sounds.CopyCount(), 3);
  Scheduler.Advance(1);
  EXPECT_EQ(Sounds.CopyCount(), 2);
  Output.Finish(Output.Started[0]);
  Scheduler.Advance(500);
  EXPECT_EQ(Sounds.CopyCount(), 1);
  // The one kept is the one still sounding: finalising stops exactly that copy.
  Device.Finalize();
  EXPECT_EQ(Output.Stopped, (std::vector<TSoundBackend::TVoice>{Output.Started[2]}));
}

TEST_F(SoundClipListTest, FinalizeStopsEveryCopyAtOnceThenFreesClipsAndOutput) {
  Device.Initialize();
  Sounds.FindByName("Dialog").Play();
  Sounds.FindByName("FallDown").Play();
  Sounds.FindByName("Hum").Play();
  Device.Finalize();
  // Stopped before the output closed (closing silences without recording a stop).
  EXPECT_EQ(Output.Stopped.size(), 3u);
  EXPECT_EQ(Sounds.CopyCount(), 0);
  EXPECT_EQ(Output.FreedClips, (std::set<int>{0, 1, 2}));
  EXPECT_EQ(Output.Closes, 1);
  EXPECT_FALSE(Sounds.Ready());

  const auto started = Output.Started.size();
  Sounds.FindByName("Dialog").Play();
  EXPECT_EQ(Output.Started.size(), started);
}

TEST_F(SoundClipListTest, CleanUpTimerRunsOnlyWhileTheDeviceIsInitialized) {
  Scheduler.Advance(2000);
  EXPECT_EQ(Output.PlayingQuestions, 0);
  Device.Initialize();
  Sounds.FindByName("Dialog").Play();
  Scheduler.Advance(1000);
  const int asked = Output.PlayingQuestions;
  EXPECT_EQ(asked, 2);
  Device.Finalize();
  Scheduler.Advance(2000);
  EXPECT_EQ(Output.PlayingQuestions, asked);
}

TEST_F(SoundClipListTest, PlayWithWaitReturnsWhenTheCopyHasStoppedAndKeepsNothing) {
  Device.Initialize();
  Output.PlayingAnswers = 3;
  Sounds.FindByName("Dialog").Play(true);
  EXPECT_EQ(Output.PlayingQuestions, 4); // three "still playing", then "stopped"
  EXPECT_EQ(Sounds.CopyCount(), 0);
}

TEST_F(SoundClipListTest, LoopedItemLoopsItsOwnVoiceOnceUntilItStops) {
  Device.Initialize();
  TSoundClip &hum = Sounds.FindByName("Hum");
  hum.Play();
  hum.Play();
  ASSERT_EQ(Output.Started.size(), 1u);
  EXPECT_TRUE(Output.StartedLooped[0]);
  EXPECT_EQ(Sounds.CopyCount(), 0);
  Output.Finish(Output.Started[0]);
  hum.Play();
  ASSERT_EQ(Output.Started.size(), 2u);
  Device.Finalize();
  EXPECT_EQ(Output.Stopped, (std::vector<TSoundBackend::TVoice>{Output.Started[1]}));
}

TEST_F(SoundClipListTest, AClipThatCannotBeMadeFailsInitializeAndLeavesEverythingClosed) {
  Sounds.Add("Broken", "not a wave");
  try {
    Device.Initialize();
    FAIL() << "initialised with a broken clip";
  } catch (const TMediaError &e) {
    EXPECT_EQ(e.Message(), "Wave 'Broken' cannot be made: not a RIFF image");
  }
  EXPECT_FALSE(Device.Initialized());
  EXPECT_FALSE(Sounds.Ready());
  EXPECT_EQ(Output.FreedClips, (std::set<int>{0, 1, 2}));
  EXPECT_EQ(Output.Closes, 1);
}

TEST_F(SoundClipListTest, AddWhileInitializedMakesTheClipAtOnceOrAddsNothing) {
  Device.Initialize();
  Sounds.Add("Late", Image("late")).Play();
  EXPECT_EQ(Output.LoadedClips.back(), Image("late"));
  EXPECT_EQ(Output.Started.size(), 1u);
  EXPECT_THROW(Sounds.Add("Bad", "junk"), TMediaError);
  EXPECT_EQ(Sounds.Count(), 4);
}

TEST_F(SoundClipListTest, UnbindingStopsAndFreesEverythingButLeavesTheDeviceOpen) {
  Device.Initialize();
  Sounds.FindByName("Dialog").Play();
  Sounds.SetDevice(nullptr);
  EXPECT_EQ(Output.Stopped.size(), 1u);
  EXPECT_EQ(Output.FreedClips.size(), 3u);
  EXPECT_TRUE(Device.Initialized());
  Sounds.FindByName("Dialog").Play();
  EXPECT_EQ(Output.Started.size(), 1u);
}

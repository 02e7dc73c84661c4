// The game's sound on the real mixer, on SDL's dummy output (which plays in real time): the
// output opens a moment after the first sound, rests once nothing has sounded for a while, and
// the next sound opens it again; without an output the sound goes off.
#include "app/MixerGameSound.h"

#include "media/Scheduler.h"

#include <QObject>
#include <QThread>

#include <gtest/gtest.h>

TEST(MixerGameSoundTest, TheOutputRestsAfterSilenceAndTheNextSoundOpensItAgain) {
  qputenv("SDL_AUDIODRIVER", "dummy");
  TScheduler scheduler;
  QObject window;
  TMixerGameSound sound(scheduler, &window);
  ASSERT_TRUE(sound.Initialize());
  sound.Play("Dialog");
  EXPECT_FALSE(sound.OutputOpen()); // not before the program's next turn
  scheduler.Advance(TMixerGameSound::RestDelay - 1);
  EXPECT_TRUE(sound.OutputOpen());

  // The clip sounds for a while in real time; the output rests at the first look after it ends.
  for (int waited = 0; sound.OutputOpen() && waited < 10000; waited += 50) {
    QThread::msleep(50);
    scheduler.Advance(50);
  }
  EXPECT_FALSE(sound.OutputOpen());
  EXPECT_TRUE(sound.Initialized()); // resting is not switching the sound off

  sound.Play("Dialog");
  scheduler.Advance(1);
  EXPECT_TRUE(sound.OutputOpen());
  sound.Finalize();
  sound.Play("Dialog");
  EXPECT_FALSE(sound.OutputOpen());
  EXPECT_FALSE(sound.Initialized());
}

TEST(MixerGameSoundTest, AHeldOutputOpensWhenTheHoldEnds) {
  qputenv("SDL_AUDIODRIVER", "dummy");
  TScheduler scheduler;
  QObject window;
  TMixerGameSound sound(scheduler, &window);
  ASSERT_TRUE(sound.Initialize());
  sound.HoldOutput(true);
  sound.Play("Dialog");
  scheduler.Advance(100);
  EXPECT_FALSE(sound.OutputOpen());
  sound.HoldOutput(false);
  scheduler.Advance(1);
  EXPECT_TRUE(sound.OutputOpen());
}

TEST(MixerGameSoundTest, WithoutAnOutputTheFirstSoundTurnsTheSoundOff) {
  qputenv("SDL_AUDIODRIVER", "no-such-driver");
  TScheduler scheduler;
  QObject window;
  TMixerGameSound sound(scheduler, &window);
  int told = 0;
  sound.OnUnavailable = [&] { ++told; };
  ASSERT_TRUE(sound.Initialize());
  sound.Play("StartQRX");
  sound.Play("Dialog");
  scheduler.Advance(1);
  qputenv("SDL_AUDIODRIVER", "dummy");
  EXPECT_EQ(told, 1);
  EXPECT_FALSE(sound.Initialized());
  EXPECT_FALSE(sound.OutputOpen());
}

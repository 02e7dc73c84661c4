// The real output on SDL's audio device, run on SDL's silent drivers: "dummy" consumes audio in
// real time and writes nothing; "disk" writes the mixed output to a file in real time, so what the
// player would hear can be measured.
#include "media/SoundMixerBackend.h"
#include "media/MediaError.h"
#include "media/SoundClipList.h"
#include "resources/sounds/BuiltinSounds.h"
#include "tests/sound/Recording.h"
#include "tests/sound/WaveChunks.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QObject>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <cstdio>
#include <cstring>
#include <functional>
#include <utility>

namespace {

quint32 RiffLength(const QByteArray &image) {
  return qFromLittleEndian<quint32>(image.constData() + 4);
}

class SoundMixerBackendTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    InitBuiltinSounds();
    for (const char *name : BuiltinSoundNames)
      AddBuiltinSound(Sounds, name);
    qputenv("SDL_AUDIODRIVER", "dummy");
  }

  // Initialises the device on the disk driver, runs play, lets the output run for ms and
  // finalises; returns what was written.
  TRecording Record(const std::function<void()> &play, int ms) {
    const QString path = Dir.filePath(QStringLiteral("out%1.raw").arg(++Recordings));
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", path.toLocal8Bit());
    Device.Initialize();
    const int rate = Output.OutputRate(), channels = Output.OutputChannels();
    play();
    QThread::msleep(ms);
    Device.Finalize();
    return TRecording::Read(path, rate, channels);
  }

  QTemporaryDir Dir;
  int Recordings = 0;
  QObject Window;
  TSoundMixerBackend Output;
  TSoundDevice Device{Output, &Window};
  TScheduler Scheduler;
  TSoundClipList Sounds{Scheduler, &Device};
};

class SoundMixerBackendBadImageTest : public SoundMixerBackendTest,
                                      public ::testing::WithParamInterface<const char *> {};

} // namespace

TEST_F(SoundMixerBackendTest, LineFourSoundsForItsWholeLengthThoughItsRiffLengthIsTooLarge) {
  const QByteArray image = Sounds.FindByName("LineFour").Wave();
  ASSERT_EQ(RiffLength(image), static_cast<quint32>(image.size() + 2));

  const TRecording r = Record([&] { Sounds.FindByName("LineFour").Play(); }, 1650);
  ASSERT_EQ(r.Rate, 11025); // the clips' own rate: nothing is converted
  std::printf("LineFour: %.3f s sounding (%d Hz, %d channels, %.3f s recorded)\n",
              r.SoundingSeconds(), r.Rate, r.Channels, r.Seconds());
  EXPECT_NEAR(r.SoundingSeconds(), 33024 / 22050.0, 0.04);
}

TEST_F(SoundMixerBackendTest, TwoOverlappingCopiesAreLouderThanOne) {
  TSoundClip &fall = Sounds.FindByName("FallDown");
  const TRecording one = Record([&] { fall.Play(); }, 400);
  const TRecording two = Record(
      [&] {
        fall.Play();
        fall.Play();
      },
      400);
  std::printf("FallDown x1: peak %d, rms %.4f, energy %.2f; x2: peak %d, rms %.4f, energy %.2f\n",
              one.Peak(), one.SoundingRms(), one.Energy(), two.Peak(), two.SoundingRms(),
              two.Energy());
  ASSERT_GT(one.Peak(), 1000);
  EXPECT_GT(two.Peak(), one.Peak());
  EXPECT_GT(two.SoundingRms(), one.SoundingRms());
  EXPECT_GT(two.Energy(), 1.6 * one.Energy());
}

TEST_F(SoundMixerBackendTest, FinalizeStopsALongJingleAtOnce) {
  const TRecording r = Record([&] { Sounds.FindByName("StartQRX").Play(); }, 300);
  std::printf("StartQRX finalised after 300 ms: %.3f s recorded\n", r.Seconds());
  EXPECT_GT(r.Peak(), 1000);
  EXPECT_LT(r.Seconds(), 3.0); // of 16.5 s, with time to spare for opening and loading
  EXPECT_EQ(Sounds.CopyCount(), 0);
}

TEST_F(SoundMixerBackendTest, UnbindingTheListSilencesItsCopiesWhileTheOutputRuns) {
  const TRecording r = Record(
      [&] {
        Sounds.FindByName("StartQRX").Play();
        Sounds.FindByName("Pause").Play();
        QThread::msleep(400);
        Sounds.SetDevice(nullptr);
      },
      400);
  const int tail = r.Frames() - r.Rate * 15 / 100;
  std::printf("unbound after 400 ms: peak before %d, in the last 150 ms %d\n", r.Peak(),
              r.Peak(tail));
  EXPECT_GT(r.Peak(), 1000);
  EXPECT_EQ(r.Peak(tail), 0);
}

TEST_F(SoundMixerBackendTest, AnOutputThatCannotOpenFailsQuicklyAndLeavesNothingOpen) {
  qputenv("SDL_AUDIODRIVER", "no_such_driver");
  QElapsedTimer clock;
  clock.start();
  EXPECT_THROW(Device.Initialize(), TMediaError);
  const qint64 ms = clock.elapsed();
  std::printf("failed open took %lld ms: %s\n", static_cast<long long>(ms),
              qPrintable(Output.ErrorText()));
  EXPECT_LT(ms, 2000); // a hang guard, not a speed target
  EXPECT_FALSE(Output.IsOpen());
  EXPECT_FALSE(Device.Initialized());
  EXPECT_FALSE(Output.ErrorText().isEmpty());

  qputenv("SDL_AUDIODRIVER", "dummy");
  Device.Initialize();
  Sounds.FindByName("Dialog").Play();
  EXPECT_EQ(Sounds.CopyCount(), 1);
}

TEST_F(SoundMixerBackendTest, CleanUpFreesTheCopiesThatPlayedToTheirEnd) {
  Device.Initialize();
  Sounds.FindByName("FallDown").Play();
  Sounds.FindByName("FallDown").Play();
  Sounds.FindByName("StartQRX").Play();
  ASSERT_EQ(Sounds.CopyCount(), 3);
  QThread::msleep(300); // FallDown lasts 0.12 s
  Scheduler.Advance(TSoundClipList::CleanUpInterval);
  EXPECT_EQ(Sounds.CopyCount(), 1);
}

TEST_F(SoundMixerBackendTest, PlayWithWaitReturnsAfterTheClip) {
  Device.Initialize();
  QElapsedTimer clock;
  clock.start();
  Sounds.FindByName("FallDown").Play(true);
  // The clip is 0.12 s long. The mixer counts it done when its last samples go into the device's
  // buffer (512 frames at 11025 Hz, 46 ms), so the wait may end that much before the sound does.
  EXPECT_GE(clock.elapsed(), 120 - 47);
  EXPECT_EQ(Sounds.CopyCount(), 0);
}

TEST_F(SoundMixerBackendTest, AnEndedVoiceStaysEndedWhenItsChannelIsReused) {
  Device.Initialize();
  const int fall = Output.LoadClip(Sounds.FindByName("FallDown").Wave());
  const int jingle = Output.LoadClip(Sounds.FindByName("StartQRX").Wave());
  ASSERT_GE(fall, 0);
  ASSERT_GE(jingle, 0);
  const TSoundBackend::TVoice first = Output.Start(fall, false);
  QThread::msleep(300); // FallDown lasts 0.12 s
  const TSoundBackend::TVoice second = Output.Start(jingle, false);
  ASSERT_EQ(second.Channel, first.Channel);
  EXPECT_FALSE(Output.IsPlaying(first));
  EXPECT_TRUE(Output.IsPlaying(second));
  Output.Stop(first); // must not stop the jingle
  EXPECT_TRUE(Output.IsPlaying(second));
}

TEST_F(SoundMixerBackendTest, ABurstOfFortyCopiesAllSound) {
  Device.Initialize();
  TSoundClip &jingle = Sounds.FindByName("StartQRX");
  for (int i = 0; i < 40; ++i)
    jingle.Play();
  EXPECT_EQ(Sounds.CopyCount(), 40);
  Scheduler.Advance(TSoundClipList::CleanUpInterval);
  EXPECT_EQ(Sounds.CopyCount(), 40); // all of them still sounding
}

TEST_F(SoundMixerBackendTest, EveryBuiltinClipLoadsInFull) {
  Device.Initialize();
  for (const char *name : BuiltinSoundNames) {
    const QByteArray image = Sounds.FindByName(name).Wave();
    const int clip = Output.LoadClip(image);
    ASSERT_GE(clip, 0) << name << ": " << qPrintable(Output.ErrorText());
    const quint32 dataBytes = qFromLittleEndian<quint32>(image.constData() + 40);
    EXPECT_NEAR(Output.ClipSeconds(clip), dataBytes / 22050.0, 1.0 / 11025) << name;
  }
}

TEST_F(SoundMixerBackendTest, ATruncatedClipLoadsWhatIsThere) {
  Device.Initialize();
  const QByteArray image = Sounds.FindByName("LineFour").Wave();
  const QByteArray truncated = image.left(44 + 16000); // outlives the clip
  const int clip = Output.LoadClip(truncated);
  ASSERT_GE(clip, 0) << qPrintable(Output.ErrorText());
  EXPECT_NEAR(Output.ClipSeconds(clip), 16000 / 22050.0, 0.01);
}

// A clip in another format than the output's (here 22050 Hz stereo against 11025 Hz mono) is
// converted once when loaded: it lasts as long and is heard.
TEST_F(SoundMixerBackendTest, AClipInAnotherFormatIsConvertedToTheOutputs) {
  QByteArray samples;
  for (int f = 0; f < 22050 / 4; ++f) {
    const QByteArray sample = WaveChunks::Le16(quint16(f % 50 < 25 ? 8000 : -8000));
    samples += sample + sample;
  }
  const QByteArray image =
      WaveChunks::Riff(WaveChunks::Format(2, 22050, 16) + WaveChunks::Chunk("data", samples));
  int clip = -1;
  const TRecording heard = Record(
      [&] {
        clip = Output.LoadClip(image);
        Output.Start(clip, false);
      },
      400);
  ASSERT_GE(clip, 0) << qPrintable(Output.ErrorText());
  EXPECT_NEAR(heard.SoundingSeconds(), 0.25, 0.02);
}

TEST_P(SoundMixerBackendBadImageTest, FailsInitializeWithTheMixersReason) {
  Sounds.Add("Bad", QByteArray::fromHex(GetParam()));
  try {
    Device.Initialize();
    FAIL() << "initialised with a bad clip";
  } catch (const TMediaError &e) {
    const QString prefix = "Wave 'Bad' cannot be made: ";
    EXPECT_TRUE(e.Message().startsWith(prefix)) << qPrintable(e.Message());
    EXPECT_GT(e.Message().size(), prefix.size()) << "no reason given";
  }
  EXPECT_FALSE(Device.Initialized());
  EXPECT_FALSE(Output.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Images, SoundMixerBackendBadImageTest,
    ::testing::Values("",                                   // empty
                      "52494646",                           // "RIFF" alone
                      "5249464624000000574156456a756e6b",   // RIFF WAVE, then junk
                      "000102030405060708090a0b0c0d0e0f")); // no header at all

TEST_F(SoundMixerBackendTest, AClipAtAnOddAddressSoundsAsTheSameClipAligned) {
  const QByteArray image = Sounds.FindByName("FallDown").Wave();
  // The same bytes one past an even address: samples in place are not 2-byte aligned.
  QByteArray shifted(image.size() + 1, '\0');
  std::memcpy(shifted.data() + 1, image.constData(), size_t(image.size()));
  const QByteArray odd = QByteArray::fromRawData(shifted.constData() + 1, image.size());
  ASSERT_EQ(reinterpret_cast<quintptr>(odd.constData()) % 2, 1u);
  const auto play = [&](const QByteArray &wave) {
    return Record(
        [&] {
          const int clip = Output.LoadClip(wave);
          ASSERT_GE(clip, 0) << qPrintable(Output.ErrorText());
          Output.Start(clip, false);
        },
        400);
  };
  const TRecording aligned = play(image), unaligned = play(odd);
  std::printf("FallDown aligned: peak %d, energy %.2f; at an odd address: peak %d, energy %.2f\n",
              aligned.Peak(), aligned.Energy(), unaligned.Peak(), unaligned.Energy());
  ASSERT_GT(aligned.Peak(), 1000);
  EXPECT_EQ(unaligned.Peak(), aligned.Peak());
  EXPECT_NEAR(unaligned.Energy(), aligned.Energy(), 0.05 * aligned.Energy());
}

namespace {

struct TVolumeCase {
  int Sum;
  int Volume;
  int Expected;
};

class OutputSampleTest : public ::testing::TestWithParam<TVolumeCase> {};

} // namespace

TEST_P(OutputSampleTest, TheVoicesSumIsScaledThenClipped) {
  const TVolumeCase &c = GetParam();
  EXPECT_EQ(TSoundMixerBackend::OutputSample(c.Sum, c.Volume), c.Expected)
      << c.Sum << " at " << c.Volume;
}

INSTANTIATE_TEST_SUITE_P(Sums, OutputSampleTest,
                         ::testing::Values(
                             // Full volume: every sum as it always was, clipped at full scale.
                             TVolumeCase{1234, 100, 1234}, TVolumeCase{-1234, 100, -1234},
                             TVolumeCase{32767, 100, 32767}, TVolumeCase{-32768, 100, -32768},
                             TVolumeCase{40000, 100, 32767}, TVolumeCase{-40000, 100, -32768},
                             // Half: half the amplitude, the same either side of zero; a sum that
                             // clips at full volume no longer does.
                             TVolumeCase{1000, 50, 500}, TVolumeCase{-1000, 50, -500},
                             TVolumeCase{1001, 50, 500}, TVolumeCase{-1001, 50, -500},
                             TVolumeCase{32767, 50, 16383}, TVolumeCase{60000, 50, 30000},
                             TVolumeCase{-60000, 50, -30000},
                             // Every voice at full scale: no overflow at any volume.
                             TVolumeCase{256 * 32767, 100, 32767},
                             TVolumeCase{256 * -32768, 100, -32768},
                             TVolumeCase{256 * 32767, 1, 32767}, TVolumeCase{256 * -32768, 0, 0},
                             TVolumeCase{32767, 0, 0}, TVolumeCase{-32768, 0, 0}));

TEST(SoundVolumeTest, TheVolumeStaysWithinSilenceAndFullAndOutlastsTheOutput) {
  TSoundMixerBackend output;
  EXPECT_EQ(output.Volume(), 100);
  const std::pair<int, int> setAndKept[] = {{150, 100}, {-5, 0}, {37, 37}};
  for (const auto &[set, kept] : setAndKept) {
    output.SetVolume(set);
    EXPECT_EQ(output.Volume(), kept) << set;
  }
  qputenv("SDL_AUDIODRIVER", "dummy");
  ASSERT_TRUE(output.Open()) << qPrintable(output.ErrorText());
  output.Close();
  EXPECT_EQ(output.Volume(), 37);
}

// Two overlapping copies of a clip, heard through the disk driver at three volumes.
TEST_F(SoundMixerBackendTest, TheVolumeScalesEverySoundAtOnce) {
  TSoundClip &fall = Sounds.FindByName("FallDown");
  const auto twoCopies = [&](int volume) {
    Output.SetVolume(volume);
    return Record(
        [&] {
          fall.Play();
          fall.Play();
        },
        400);
  };
  const TRecording full = twoCopies(100), half = twoCopies(50), none = twoCopies(0);
  std::printf("FallDown x2 at 100: peak %d, energy %.2f; at 50: peak %d, energy %.2f; at 0: "
              "peak %d\n",
              full.Peak(), full.Energy(), half.Peak(), half.Energy(), none.Peak());
  ASSERT_GT(full.Peak(), 2000);
  EXPECT_NEAR(half.Peak(), full.Peak() / 2.0, 1);
  EXPECT_NEAR(half.Energy(), full.Energy() / 4, 0.02 * full.Energy());
  EXPECT_EQ(none.Peak(), 0);
}

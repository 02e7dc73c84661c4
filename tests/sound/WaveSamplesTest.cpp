#include "media/WaveSamples.h"
#include "tests/sound/WaveChunks.h"

#include <gtest/gtest.h>

using namespace WaveChunks;

// An odd-sized chunk before the samples is stepped over with its pad byte, and a file cut short
// gives the whole frames it still holds.
TEST(WaveSamplesTest, FindsTheSamplesOfPlain16BitPcmAndOnlyThose) {
  const QByteArray samples(400, '\x11');
  QByteArray stereo = Riff(Format(2, 22050, 16) + Chunk("LIST", "abc") + Chunk("data", samples));
  stereo.chop(7);
  const std::optional<TWaveSamples> found = FindPcm16Samples(stereo);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->Rate, 22050);
  EXPECT_EQ(found->Channels, 2);
  EXPECT_EQ(found->Bytes, 392);
  EXPECT_EQ(found->Data, stereo.constData() + stereo.size() - 393);

  EXPECT_FALSE(FindPcm16Samples(Riff(Format(1, 11025, 8) + Chunk("data", samples))));
  EXPECT_FALSE(FindPcm16Samples(Riff(Chunk("data", samples) + Format(1, 11025, 16))));
  EXPECT_FALSE(FindPcm16Samples(QByteArray("RIFF")));
}

#include "media/WaveSamples.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray Chunk(const QByteArray &id, const QByteArray &body) {
  QByteArray chunk = id;
  char length[4];
  qToLittleEndian<quint32>(quint32(body.size()), length);
  chunk.append(length, 4).append(body);
  if (body.size() % 2)
    chunk.append('\0');
  return chunk;
}

QByteArray Format(int channels, int rate, int bits) {
  QByteArray body(16, '\0');
  qToLittleEndian<quint16>(1, body.data());
  qToLittleEndian<quint16>(quint16(channels), body.data() + 2);
  qToLittleEndian<quint32>(quint32(rate), body.data() + 4);
  qToLittleEndian<quint16>(quint16(bits), body.data() + 14);
  return Chunk("fmt ", body);
}

QByteArray Wave(const QByteArray &chunks) {
  QByteArray riff = "RIFF    WAVE" + chunks;
  qToLittleEndian<quint32>(quint32(riff.size() - 8), riff.data() + 4);
  return riff;
}

} // namespace

// An odd-sized chunk before the samples is stepped over with its pad byte, and a file cut short
// gives the whole frames it still holds.
TEST(WaveSamplesTest, FindsTheSamplesOfPlain16BitPcmAndOnlyThose) {
  const QByteArray samples(400, '\x11');
  QByteArray stereo = Wave(Format(2, 22050, 16) + Chunk("LIST", "abc") + Chunk("data", samples));
  stereo.chop(7);
  const std::optional<TWaveSamples> found = FindPcm16Samples(stereo);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->Rate, 22050);
  EXPECT_EQ(found->Channels, 2);
  EXPECT_EQ(found->Bytes, 392);
  EXPECT_EQ(found->Data, stereo.constData() + stereo.size() - 393);

  EXPECT_FALSE(FindPcm16Samples(Wave(Format(1, 11025, 8) + Chunk("data", samples))));
  EXPECT_FALSE(FindPcm16Samples(Wave(Chunk("data", samples) + Format(1, 11025, 16))));
  EXPECT_FALSE(FindPcm16Samples(QByteArray("RIFF")));
}

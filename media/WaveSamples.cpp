#include "media/WaveSamples.h"

#include <QtEndian>

namespace {

quint32 Le32(const char *p) { return qFromLittleEndian<quint32>(p); }
quint16 Le16(const char *p) { return qFromLittleEndian<quint16>(p); }

} // namespace

std::optional<TWaveSamples> FindPcm16Samples(const QByteArray &wave) {
  const char *image = wave.constData();
  const qsizetype size = wave.size();
  if (size < 12 || wave.left(4) != "RIFF" || wave.mid(8, 4) != "WAVE")
    return std::nullopt;
  TWaveSamples samples;
  bool formatSeen = false;
  for (qsizetype at = 12; at + 8 <= size;) {
    const QByteArray id = wave.mid(at, 4);
    const qsizetype length = Le32(image + at + 4);
    const qsizetype body = at + 8;
    if (id == "fmt ") {
      if (length < 16 || body + 16 > size || Le16(image + body) != 1 ||
          Le16(image + body + 14) != 16)
        return std::nullopt; // not plain 16-bit PCM
      samples.Channels = Le16(image + body + 2);
      samples.Rate = static_cast<int>(Le32(image + body + 4));
      formatSeen = samples.Channels > 0 && samples.Rate > 0;
    } else if (id == "data") {
      if (!formatSeen)
        return std::nullopt;
      const qsizetype frame = 2 * qsizetype(samples.Channels);
      samples.Data = image + body;
      samples.Bytes = std::min(length, size - body) / frame * frame;
      return samples;
    }
    at = body + length + (length & 1); // chunks are padded to an even length
  }
  return std::nullopt;
}

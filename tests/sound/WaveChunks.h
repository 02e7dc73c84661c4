#pragma once
// RIFF WAVE images put together chunk by chunk, for tests that need formats or layouts the
// program's own clips do not have.

#include <QByteArray>
#include <QtEndian>

namespace WaveChunks {

inline QByteArray Le32(quint32 value) {
  char bytes[4];
  qToLittleEndian(value, bytes);
  return QByteArray(bytes, 4);
}

inline QByteArray Le16(quint16 value) {
  char bytes[2];
  qToLittleEndian(value, bytes);
  return QByteArray(bytes, 2);
}

// An odd-sized body is followed by its pad byte, as in a real file.
inline QByteArray Chunk(const QByteArray &id, const QByteArray &body) {
  QByteArray chunk = id + Le32(quint32(body.size())) + body;
  if (body.size() % 2)
    chunk.append('\0');
  return chunk;
}

// Plain PCM.
inline QByteArray Format(int channels, int rate, int bits) {
  const int frameBytes = channels * bits / 8;
  return Chunk("fmt ", Le16(1) + Le16(quint16(channels)) + Le32(quint32(rate)) +
                           Le32(quint32(rate * frameBytes)) + Le16(quint16(frameBytes)) +
                           Le16(quint16(bits)));
}

inline QByteArray Riff(const QByteArray &chunks) {
  return "RIFF" + Le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

} // namespace WaveChunks

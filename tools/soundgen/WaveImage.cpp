#include "tools/soundgen/WaveImage.h"

#include "tools/soundgen/Clip.h"

#include <QDataStream>
#include <QIODevice>

namespace {

constexpr quint32 HeaderBytes = 44;
constexpr quint32 SpareBytes = 1;
constexpr quint32 RiffLengthExcess = 10;

} // namespace

QByteArray WaveImage(const std::vector<qint16> &samples) {
  const quint32 dataBytes = static_cast<quint32>(samples.size() * 2);
  const quint32 imageBytes = HeaderBytes + dataBytes + SpareBytes;
  QByteArray image;
  image.reserve(imageBytes);
  QDataStream out(&image, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out.writeRawData("RIFF", 4);
  out << quint32(imageBytes - 8 + RiffLengthExcess);
  out.writeRawData("WAVEfmt ", 8);
  out << quint32(16) << quint16(1) /* PCM */ << quint16(1) /* mono */ << quint32(TClip::Rate)
      << quint32(2 * TClip::Rate) /* bytes per second */ << quint16(2) /* block alignment */
      << quint16(16) /* bits per sample */;
  out.writeRawData("data", 4);
  out << dataBytes;
  for (qint16 s : samples)
    out << s;
  out << quint8(0);
  return image;
}

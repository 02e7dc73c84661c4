#pragma once
// What the disk audio driver wrote: signed 16-bit host-order samples, interleaved, at the rate
// and channel count the output was opened with. Measures loudness and how long it sounded.

#include <QFile>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

struct TRecording {
  // About -66 dB: far below anything a clip plays, far above rounding noise of silence.
  static constexpr int Threshold = 16;

  int Rate = 0;
  int Channels = 0;
  std::vector<qint16> Samples;

  static TRecording Read(const QString &path, int rate, int channels) {
    TRecording r{rate, channels, {}};
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
      const QByteArray bytes = file.readAll();
      r.Samples.resize(bytes.size() / 2);
      std::memcpy(r.Samples.data(), bytes.constData(), r.Samples.size() * 2);
    }
    return r;
  }

  int Frames() const { return Channels ? static_cast<int>(Samples.size()) / Channels : 0; }
  double Seconds() const { return Rate ? static_cast<double>(Frames()) / Rate : 0.0; }

  // Loudest channel of one frame.
  int Level(int frame) const {
    int level = 0;
    for (int c = 0; c < Channels; ++c)
      level = std::max(level, std::abs(static_cast<int>(Samples[frame * Channels + c])));
    return level;
  }
  int FirstSounding() const {
    for (int f = 0; f < Frames(); ++f)
      if (Level(f) > Threshold)
        return f;
    return -1;
  }
  int LastSounding() const {
    for (int f = Frames() - 1; f >= 0; --f)
      if (Level(f) > Threshold)
        return f;
    return -1;
  }
  // From the first to the last frame above the threshold.
  double SoundingSeconds() const {
    const int first = FirstSounding();
    return first < 0 ? 0.0 : static_cast<double>(LastSounding() - first + 1) / Rate;
  }
  int Peak(int fromFrame = 0) const {
    int peak = 0;
    for (int f = std::max(0, fromFrame); f < Frames(); ++f)
      peak = std::max(peak, Level(f));
    return peak;
  }
  // Sum of squares over all samples, full scale = 1.
  double Energy() const {
    double sum = 0.0;
    for (qint16 s : Samples)
      sum += (s / 32768.0) * (s / 32768.0);
    return sum;
  }
  // Root mean square over the sounding stretch, full scale = 1.
  double SoundingRms() const {
    const int first = FirstSounding();
    if (first < 0)
      return 0.0;
    const int count = (LastSounding() - first + 1) * Channels;
    double sum = 0.0;
    for (int i = first * Channels; i < first * Channels + count; ++i)
      sum += (Samples[i] / 32768.0) * (Samples[i] / 32768.0);
    return std::sqrt(sum / count);
  }
};

#pragma once
// A clip being synthesised: a fixed number of mono samples at the stored rate, in floating point
// (full scale is 1.0). Voices are mixed in, effects applied, and Finish turns the result into the
// 16-bit samples that are stored.

#include <QtGlobal>

#include <cmath>
#include <vector>

class TClip {
public:
  static constexpr int Rate = 11025;

  explicit TClip(int sampleCount) : Samples(sampleCount, 0.0) {}

  int Count() const { return static_cast<int>(Samples.size()); }
  double Seconds() const { return static_cast<double>(Count()) / Rate; }
  // The sample index of a time in seconds (may lie outside the clip).
  static int Index(double seconds) { return static_cast<int>(std::lround(seconds * Rate)); }

  // Adds v to sample i; samples outside the clip are dropped.
  void Add(int i, double v) {
    if (i >= 0 && i < Count())
      Samples[i] += v;
  }
  double At(int i) const { return Samples[i]; }

  // A feedback echo with a soft (low-passed) repeat, like a small hall: delay in seconds,
  // feedback and damping in 0..1.
  void Echo(double delay, double feedback, double damping);
  // Scales everything from start on by a half-cosine falling to zero at the end of the clip.
  void FadeOut(double start);

  // Removes any DC, fades the first and last milliseconds to zero so the clip starts and ends
  // without a click, scales the loudest sample to peak (below 1) and rounds to 16 bits.
  std::vector<qint16> Finish(double peak) const;

private:
  std::vector<double> Samples;
};

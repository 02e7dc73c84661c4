#include "tools/soundgen/Clip.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double EdgeFade = 0.004; // seconds at either end that ramp from and to silence

} // namespace

void TClip::Echo(double delay, double feedback, double damping) {
  const int d = std::max(1, Index(delay));
  double smooth = 0.0;
  for (int i = d; i < Count(); ++i) {
    smooth += (1.0 - damping) * (Samples[i - d] - smooth);
    Samples[i] += feedback * smooth;
  }
}

void TClip::FadeOut(double start) {
  const int from = std::clamp(Index(start), 0, Count());
  const int span = Count() - from;
  for (int i = from; i < Count(); ++i) {
    const double x = static_cast<double>(i - from) / span;
    Samples[i] *= 0.5 * (1.0 + std::cos(std::numbers::pi * x));
  }
}

std::vector<qint16> TClip::Finish(double peak) const {
  // A one-pole high-pass at about 9 Hz: nothing audible is lost, the DC is.
  std::vector<double> out(Samples.size());
  double prevIn = 0.0, prevOut = 0.0;
  for (int i = 0; i < Count(); ++i) {
    prevOut = Samples[i] - prevIn + 0.995 * prevOut;
    prevIn = Samples[i];
    out[i] = prevOut;
  }
  const int edge = std::min(Index(EdgeFade), Count() / 2);
  for (int i = 0; i < edge; ++i) {
    const double g = 0.5 * (1.0 - std::cos(std::numbers::pi * i / edge));
    out[i] *= g;
    out[Count() - 1 - i] *= g;
  }
  double loudest = 0.0;
  for (double v : out)
    loudest = std::max(loudest, std::abs(v));
  const double scale = loudest > 0.0 ? peak / loudest : 0.0;
  std::vector<qint16> pcm(out.size());
  for (int i = 0; i < Count(); ++i)
    pcm[i] = static_cast<qint16>(std::lround(out[i] * scale * 32767.0));
  return pcm;
}

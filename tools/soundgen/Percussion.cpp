#include "tools/soundgen/Percussion.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double Pi2 = 2.0 * std::numbers::pi;

// A small linear congruential generator: white noise in -1..1.
class TNoise {
public:
  explicit TNoise(quint32 seed) : State(seed) {}
  double Next() {
    State = State * 1664525u + 1013904223u;
    return static_cast<double>(State >> 8) / static_cast<double>(1u << 23) - 1.0;
  }

private:
  quint32 State;
};

// Rises over the first 2-3 ms instead of jumping, so even a knock starts without a click.
double Onset(double t, double attack) { return t < attack ? t / attack : 1.0; }

} // namespace

void AddThud(TClip &clip, double start, const TThud &thud, double level) {
  const int first = TClip::Index(start);
  const int count = TClip::Index(8.0 * thud.Decay);
  TNoise noise(thud.Seed);
  const double lowPass = 1.0 - std::exp(-Pi2 * thud.NoiseHz / TClip::Rate);
  double knock = 0.0, phase = 0.0, overtonePhase = 0.0;
  for (int n = 0; n < count; ++n) {
    const double t = static_cast<double>(n) / TClip::Rate;
    const double hz = thud.Hz * (1.0 + 0.6 * std::exp(-t / 0.03));
    const double onset = Onset(t, 0.003);
    double v = std::exp(-t / thud.Decay) * std::sin(phase);
    v += thud.OvertoneLevel * std::exp(-t / (0.5 * thud.Decay)) * std::sin(overtonePhase);
    knock += lowPass * (noise.Next() - knock);
    v += thud.NoiseLevel * std::exp(-t / 0.025) * knock;
    clip.Add(first + n, level * onset * v);
    phase += Pi2 * hz / TClip::Rate;
    overtonePhase += Pi2 * hz * thud.OvertoneRatio / TClip::Rate;
  }
}

void AddClick(TClip &clip, double start, const TClick &click, double level) {
  const int first = TClip::Index(start);
  const int count = TClip::Index(8.0 * click.Decay);
  TNoise noise(click.Seed);
  // A two-pole resonator rings at the click's pitch when the noise burst strikes it.
  const double r = std::exp(-1.0 / (click.Decay * TClip::Rate));
  const double a1 = 2.0 * r * std::cos(Pi2 * click.Hz / TClip::Rate);
  const double a2 = -r * r;
  double y1 = 0.0, y2 = 0.0;
  for (int n = 0; n < count; ++n) {
    const double t = static_cast<double>(n) / TClip::Rate;
    const double burst = t < 0.002 ? click.NoiseLevel * noise.Next() : 0.0;
    const double y = (1.0 - r) * burst + a1 * y1 + a2 * y2;
    y2 = y1;
    y1 = y;
    const double ping =
        std::exp(-t / click.Decay) * std::sin(Pi2 * click.Hz * t) +
        0.3 * std::exp(-t / (0.4 * click.Decay)) * std::sin(Pi2 * 2.7 * click.Hz * t);
    clip.Add(first + n, level * Onset(t, 0.002) * (ping + 8.0 * y));
  }
}

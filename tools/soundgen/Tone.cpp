#include "tools/soundgen/Tone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Partials stay below 90 % of the highest frequency the stored rate can hold.
constexpr double HighestPartialHz = 0.45 * TClip::Rate;

double Envelope(const TTone &tone, double t, double length) {
  double level = t < tone.Attack ? t / tone.Attack : 1.0;
  if (tone.Decay > 0 && t > tone.Attack)
    level = std::exp(-(t - tone.Attack) / tone.Decay);
  if (t > length) {
    const double r = (t - length) / tone.Release;
    level *= r >= 1.0 ? 0.0 : 0.5 * (1.0 + std::cos(std::numbers::pi * r));
  }
  return level;
}

} // namespace

TTone BellTone() {
  return {{{1.0, 1.0}, {2.0, 0.35, 0.6}, {3.0, 0.12, 0.4}, {4.2, 0.08, 0.3}, {5.4, 0.04, 0.25}},
          0.004,
          0.45,
          0.08};
}

TTone PianoTone() {
  return {{{1.0, 1.0}, {2.0, 0.3, 0.5}, {3.0, 0.12, 0.35}, {4.0, 0.05, 0.3}}, 0.008, 0.7, 0.12};
}

TTone PadTone() {
  return {{{1.0, 0.6, 1, 6}, {1.0, 0.6, 1, -6}, {2.0, 0.2, 1, 3}, {3.0, 0.06}},
          0.45,
          0.0,
          0.7,
          0.003,
          4.5};
}

TTone BrassTone() {
  return {
      {{1.0, 1.0}, {2.0, 0.7}, {3.0, 0.5, 0.9}, {4.0, 0.32, 0.8}, {5.0, 0.2, 0.7}, {6.0, 0.1, 0.6}},
      0.035,
      1.6,
      0.09,
      0.004,
      5.5};
}

TTone PluckTone() {
  return {{{1.0, 1.0}, {2.0, 0.5, 0.5}, {3.0, 0.25, 0.35}, {4.0, 0.12, 0.25}, {5.0, 0.06, 0.2}},
          0.003,
          0.4,
          0.1};
}

TTone BassTone() { return {{{1.0, 1.0}, {2.0, 0.3, 0.6}, {3.0, 0.08, 0.4}}, 0.012, 0.8, 0.12}; }

double NoteHz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

void AddNote(TClip &clip, const TTone &tone, double start, double length, double hz, double level) {
  const int first = TClip::Index(start);
  const int count = TClip::Index(length + tone.Release);
  for (const TPartial &p : tone.Partials) {
    const double f = hz * p.Ratio * std::pow(2.0, p.DetuneCents / 1200.0);
    if (f >= HighestPartialHz)
      continue;
    TTone partialTone = tone;
    partialTone.Decay = tone.Decay * p.DecayScale;
    double phase = 0.0;
    for (int n = 0; n < count; ++n) {
      const double t = static_cast<double>(n) / TClip::Rate;
      const double vibrato =
          1.0 + tone.VibratoDepth * std::sin(2.0 * std::numbers::pi * tone.VibratoRate * t);
      clip.Add(first + n, level * p.Level * Envelope(partialTone, t, length) * std::sin(phase));
      phase += 2.0 * std::numbers::pi * f * vibrato / TClip::Rate;
    }
  }
}

void AddChord(TClip &clip, const TTone &tone, double start, double length,
              const std::vector<int> &notes, double level) {
  for (int note : notes)
    AddNote(clip, tone, start, length, NoteHz(note), level);
}

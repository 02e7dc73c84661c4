#pragma once
// Unpitched and short sounds: the thud of a landing piece and the clicks of turning and ticking.
// Their noise comes from a fixed-seed generator, so every build makes the same bytes.

#include "tools/soundgen/Clip.h"

#include <QtGlobal>

struct TThud {
  double Hz;            // where the body's pitch settles; it starts 60 % higher
  double Decay;         // time constant of the body, seconds
  double OvertoneRatio; // a second, quieter body partial
  double OvertoneLevel;
  double NoiseLevel; // the soft knock of the contact
  double NoiseHz;    // low-pass corner of that knock
  quint32 Seed;
};

struct TClick {
  double Hz;    // the pitch of the click's ring
  double Decay; // time constant of the ring, seconds
  double NoiseLevel;
  quint32 Seed;
};

void AddThud(TClip &clip, double start, const TThud &thud, double level);
void AddClick(TClip &clip, double start, const TClick &click, double level);

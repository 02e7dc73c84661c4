#pragma once
// Pitched voices by additive synthesis: a note is a sum of partials, each a sine at a multiple
// of the note's frequency with its own level and decay, under one envelope (attack, decay,
// release at the note's end). Partials above the stored band are left out, so nothing aliases.

#include "tools/soundgen/Clip.h"

#include <vector>

struct TPartial {
  double Ratio; // frequency / note frequency
  double Level;
  double DecayScale = 1; // multiplies the tone's decay time: higher partials die sooner
  double DetuneCents = 0;
};

struct TTone {
  std::vector<TPartial> Partials;
  double Attack;           // seconds to full level
  double Decay;            // time constant of the fall after the attack; 0 holds the level
  double Release;          // seconds of the fall to silence at the note's end
  double VibratoDepth = 0; // fraction of the frequency
  double VibratoRate = 0;  // Hz
};

// The instruments of the program's sounds.
TTone BellTone();  // chimes: a little inharmonic, long ring
TTone PianoTone(); // a soft electric piano for melodies
TTone PadTone();   // a slow, warm, slightly detuned pad
TTone BrassTone(); // fanfares
TTone PluckTone(); // short bright chords
TTone BassTone();  // a round low note

// MIDI note number to Hz (69 = A4 = 440 Hz).
double NoteHz(int note);

// Mixes one note into the clip: start and length in seconds, the release follows the length.
void AddNote(TClip &clip, const TTone &tone, double start, double length, double hz, double level);
// Several notes at once, the same in all but pitch.
void AddChord(TClip &clip, const TTone &tone, double start, double length,
              const std::vector<int> &notes, double level);

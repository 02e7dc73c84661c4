// The short effects. They are heard hundreds of times a game, so they are soft, short and free
// of harsh partials: bells and woody clicks rather than beeps.
#include "tools/soundgen/Percussion.h"
#include "tools/soundgen/Recipes.h"
#include "tools/soundgen/Tone.h"

namespace {

// Notes of the line chimes: C, E, G, C rising, one more per row cleared. Each rings on to the
// end of the clip, dying away by itself.
void AddLineChime(TClip &clip, int rows) {
  const int notes[] = {72, 76, 79, 84};
  for (int i = 0; i < rows; ++i)
    AddNote(clip, BellTone(), 0.01 + 0.085 * i, clip.Seconds(), NoteHz(notes[i]), 0.5);
  clip.Echo(0.15, 0.25, 0.4);
  clip.FadeOut(clip.Seconds() - 0.12);
}

// Each piece shape lands with its own low thud; the room's short echo softens it.
void AddLandingThud(TClip &clip, const TThud &thud) {
  AddThud(clip, 0.003, thud, 1.0);
  clip.Echo(0.06, 0.2, 0.6);
  clip.FadeOut(clip.Seconds() - 0.1);
}

void AddTurnClick(TClip &clip, double hz, quint32 seed) {
  AddClick(clip, 0.005, {hz, 0.012, 1.0, seed}, 1.0);
  clip.Echo(0.05, 0.2, 0.5);
  clip.FadeOut(0.15);
}

} // namespace

// Two soft bell notes falling a fourth: something asks for attention, gently.
void ComposeDialog(TClip &clip) {
  TTone bell = BellTone();
  bell.Decay = 0.3;
  AddNote(clip, bell, 0.01, 0.2, NoteHz(84), 0.5);
  AddNote(clip, bell, 0.15, 0.5, NoteHz(79), 0.5);
  clip.Echo(0.12, 0.2, 0.5);
  clip.FadeOut(0.6);
}

void ComposeRotateLeft(TClip &clip) { AddTurnClick(clip, 1250, 31); }
void ComposeRotateRight(TClip &clip) { AddTurnClick(clip, 1500, 32); }

void ComposeLineOne(TClip &clip) { AddLineChime(clip, 1); }
void ComposeLineTwo(TClip &clip) { AddLineChime(clip, 2); }
void ComposeLineThree(TClip &clip) { AddLineChime(clip, 3); }
void ComposeLineFour(TClip &clip) {
  // Four rows: the top C is doubled an octave up, a little sparkle.
  AddNote(clip, BellTone(), 0.01 + 0.085 * 4, clip.Seconds(), NoteHz(96), 0.12);
  AddLineChime(clip, 4);
}

// Pitch, decay, overtone and knock differ per shape, so each piece has its own voice.
void ComposeFallDown1(TClip &clip) { AddLandingThud(clip, {95, 0.07, 2.0, 0.25, 0.5, 500, 11}); }
void ComposeFallDown2(TClip &clip) { AddLandingThud(clip, {80, 0.09, 1.5, 0.3, 0.4, 400, 12}); }
void ComposeFallDown3(TClip &clip) { AddLandingThud(clip, {110, 0.065, 2.4, 0.2, 0.55, 650, 13}); }
void ComposeFallDown4(TClip &clip) { AddLandingThud(clip, {72, 0.085, 2.0, 0.35, 0.35, 350, 14}); }
void ComposeFallDown5(TClip &clip) { AddLandingThud(clip, {125, 0.06, 1.8, 0.25, 0.6, 800, 15}); }
void ComposeFallDown6(TClip &clip) { AddLandingThud(clip, {88, 0.075, 2.7, 0.2, 0.45, 550, 16}); }
void ComposeFallDown7(TClip &clip) { AddLandingThud(clip, {65, 0.1, 1.5, 0.3, 0.4, 300, 17}); }

// The plain landing: one short wooden tick.
void ComposeFallDown(TClip &clip) {
  AddClick(clip, 0.003, {750, 0.015, 0.8, 21}, 1.0);
  clip.FadeOut(0.08);
}

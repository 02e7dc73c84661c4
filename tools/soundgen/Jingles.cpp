// The longer pieces. All are in C major (the game-over phrase in A minor), so that any two of
// them heard close together still sound well.
#include "tools/soundgen/Percussion.h"
#include "tools/soundgen/Recipes.h"
#include "tools/soundgen/Tone.h"

#include <vector>

namespace {

struct TTimedNote {
  double Start; // seconds, or beats for a melody
  double Length;
  int Note;
};

void AddNotes(TClip &clip, const TTone &tone, const std::vector<TTimedNote> &notes, double level) {
  for (const TTimedNote &n : notes)
    AddNote(clip, tone, n.Start, n.Length, NoteHz(n.Note), level);
}

// Notes in beats; each is held for 90 % of its beats, so repeated notes stay distinct.
void AddMelody(TClip &clip, const TTone &tone, double offset, double beat,
               const std::vector<TTimedNote> &melody, double level) {
  for (const TTimedNote &m : melody)
    AddNote(clip, tone, offset + m.Start * beat, m.Length * beat * 0.9, NoteHz(m.Note), level);
}

TTone WithDecay(TTone tone, double decay) {
  tone.Decay = decay;
  return tone;
}

} // namespace

// A little tune over a soft pad: C, Am, F, G, C, F-G, C; it settles on the last chord and fades.
void ComposeStartQRX(TClip &clip) {
  const double beat = 0.5, offset = 0.25, bar = 4 * beat;
  struct TChord {
    double Bar, Bars;
    std::vector<int> Notes;
    int Root;
  };
  const std::vector<TChord> chords{{0, 1, {60, 64, 67}, 48},     {1, 1, {57, 60, 64}, 45},
                                   {2, 1, {57, 60, 65}, 41},     {3, 1, {55, 59, 62}, 43},
                                   {4, 1, {55, 60, 64}, 48},     {5, 0.5, {57, 60, 65}, 41},
                                   {5.5, 0.5, {55, 59, 62}, 43}, {6, 2.1, {55, 60, 64, 67}, 48}};
  for (const TChord &c : chords) {
    const double start = offset + c.Bar * bar;
    AddChord(clip, PadTone(), start, c.Bars * bar, c.Notes, 0.16);
    AddNote(clip, BassTone(), start, 0.9, NoteHz(c.Root), 0.4);
    if (c.Bars >= 1 && c.Bar < 6)
      AddNote(clip, BassTone(), start + 2 * beat, 0.9, NoteHz(c.Root), 0.3);
  }
  AddMelody(clip, PianoTone(), offset, beat,
            {{0, 1, 67},  {1, 1, 72},  {2, 1, 76},  {3, 1, 79},  {4, 2, 81},  {6, 1, 79},
             {7, 1, 76},  {8, 1, 77},  {9, 1, 76},  {10, 1, 72}, {11, 1, 69}, {12, 1, 71},
             {13, 1, 74}, {14, 2, 79}, {16, 1, 76}, {17, 1, 79}, {18, 2, 84}, {20, 1, 81},
             {21, 1, 77}, {22, 1, 74}, {23, 1, 71}},
            0.5);
  AddNote(clip, WithDecay(PianoTone(), 1.6), offset + 24 * beat, 4 * beat, NoteHz(72), 0.5);
  AddNote(clip, BellTone(), offset + 24 * beat, 4 * beat, NoteHz(84), 0.15);
  clip.Echo(0.375, 0.28, 0.5);
  clip.FadeOut(13.0);
}

// A rising arpeggio over two octaves that blooms into a soft chord: the level begins.
void ComposeEnterGame(TClip &clip) {
  const std::vector<int> arpeggio{60, 64, 67, 72, 76, 79, 84};
  for (int i = 0; i < static_cast<int>(arpeggio.size()); ++i)
    AddNote(clip, BellTone(), 0.05 + 0.09 * i, 0.6, NoteHz(arpeggio[i]), 0.45);
  AddNote(clip, BassTone(), 0.05, 1.0, NoteHz(48), 0.4);
  AddChord(clip, PadTone(), 0.7, 1.2, {60, 64, 67, 72}, 0.14);
  AddNote(clip, WithDecay(BellTone(), 0.9), 0.7, 1.6, NoteHz(84), 0.3);
  clip.Echo(0.22, 0.3, 0.45);
  clip.FadeOut(2.3);
}

// A happy plagal-to-perfect cadence, F - G - C, with the top voice climbing to the tonic.
void ComposeEndLevel(TClip &clip) {
  AddChord(clip, PluckTone(), 0.05, 0.3, {65, 69, 72}, 0.3);
  AddChord(clip, PluckTone(), 0.40, 0.3, {67, 71, 74}, 0.3);
  AddChord(clip, WithDecay(PluckTone(), 0.9), 0.75, 1.4, {72, 76, 79}, 0.3);
  AddNotes(clip, PianoTone(), {{0.05, 0.3, 77}, {0.40, 0.3, 79}}, 0.4);
  AddNote(clip, WithDecay(PianoTone(), 1.0), 0.75, 1.4, NoteHz(84), 0.45);
  AddNotes(clip, BassTone(), {{0.05, 0.3, 53}, {0.40, 0.3, 55}, {0.75, 1.2, 48}}, 0.42);
  clip.Echo(0.18, 0.25, 0.5);
  clip.FadeOut(2.0);
}

// A gentle phrase stepping down from E to A over Am, F, E and Am again.
void ComposeEndGame(TClip &clip) {
  const double beat = 0.55;
  AddChord(clip, PadTone(), 0.0, 2.2, {57, 60, 64}, 0.14);
  AddChord(clip, PadTone(), 2.2, 1.1, {57, 60, 65}, 0.14);
  AddChord(clip, PadTone(), 3.3, 1.1, {56, 59, 64}, 0.14);
  AddChord(clip, PadTone(), 4.4, 1.6, {57, 60, 64}, 0.14);
  AddMelody(clip, PianoTone(), 0.1, beat,
            {{0, 1, 76}, {1, 1, 74}, {2, 1, 72}, {3, 1, 71}, {4, 2, 69}, {6, 1, 71}, {7, 1, 68}},
            0.45);
  AddNote(clip, WithDecay(PianoTone(), 1.4), 0.1 + 8 * beat, 1.6, NoteHz(69), 0.45);
  AddNotes(clip, BassTone(), {{0.1, 2.0, 45}, {2.3, 1.0, 41}, {3.4, 1.0, 40}, {4.5, 1.6, 45}},
           0.35);
  clip.Echo(0.41, 0.35, 0.5);
  clip.FadeOut(5.2);
}

// A brass fanfare: a triplet call, a leap to the tonic, then a held C major chord with a
// sparkle and a soft timpani stroke.
void ComposeHiScore(TClip &clip) {
  AddNotes(clip, BrassTone(),
           {{0.05, 0.09, 67},
            {0.17, 0.09, 67},
            {0.29, 0.09, 67},
            {0.41, 0.35, 72},
            {0.80, 0.15, 67},
            {0.98, 0.15, 72},
            {1.16, 0.30, 76},
            {1.50, 1.90, 79}},
           0.4);
  AddChord(clip, BrassTone(), 1.5, 1.9, {60, 64, 67}, 0.2);
  AddNote(clip, BassTone(), 0.41, 0.35, NoteHz(48), 0.4);
  AddNote(clip, BassTone(), 1.5, 1.9, NoteHz(48), 0.45);
  AddThud(clip, 1.5, {65, 0.25, 1.5, 0.2, 0.3, 300, 41}, 0.35);
  AddNotes(clip, BellTone(), {{1.50, 0.5, 84}, {1.62, 0.5, 88}, {1.74, 0.5, 91}}, 0.18);
  clip.Echo(0.3, 0.3, 0.5);
  clip.FadeOut(3.6);
}

// The fanfare's short cousin: a quick rising call onto a held chord.
void ComposeEnterScore(TClip &clip) {
  AddNotes(clip, BrassTone(), {{0.05, 0.1, 67}, {0.18, 0.1, 72}, {0.31, 0.1, 76}, {0.44, 0.9, 79}},
           0.4);
  AddChord(clip, BrassTone(), 0.44, 0.9, {64, 67, 72}, 0.18);
  AddNote(clip, BassTone(), 0.44, 0.9, NoteHz(48), 0.4);
  AddNote(clip, BellTone(), 0.44, 0.5, NoteHz(84), 0.15);
  clip.Echo(0.25, 0.25, 0.5);
  clip.FadeOut(1.45);
}

// A calm motif over a C major seventh, slow and quiet: the game waits.
void ComposePause(TClip &clip) {
  AddChord(clip, PadTone(), 0.0, 3.2, {60, 64, 67, 71}, 0.12);
  AddNote(clip, BassTone(), 0.1, 2.5, NoteHz(48), 0.2);
  AddNotes(clip, PianoTone(), {{0.1, 0.5, 72}, {0.7, 0.5, 67}, {1.3, 0.5, 76}, {1.9, 0.5, 74}},
           0.35);
  AddNote(clip, WithDecay(PianoTone(), 1.2), 2.5, 1.2, NoteHz(72), 0.35);
  clip.Echo(0.45, 0.38, 0.55);
  clip.FadeOut(3.5);
}

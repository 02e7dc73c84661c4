#pragma once
// How each of the program's sounds is made: its stored length, its loudness and the music that
// fills it.

#include "tools/soundgen/Clip.h"

#include <QString>

struct TRecipe {
  const char *Name;
  int DataBytes; // 16-bit mono samples: two bytes each
  double Peak;   // loudest sample, as a fraction of full scale
  void (*Compose)(TClip &clip);
};

// nullptr for a name without a recipe.
const TRecipe *FindRecipe(const QString &name);
int RecipeCount();

// Longer pieces: start-up, level and game transitions, scores, pause.
void ComposeStartQRX(TClip &clip);
void ComposeEnterGame(TClip &clip);
void ComposeEndLevel(TClip &clip);
void ComposeEndGame(TClip &clip);
void ComposeHiScore(TClip &clip);
void ComposeEnterScore(TClip &clip);
void ComposePause(TClip &clip);

// Effects: dialog chime, turning clicks, line chimes, landing thuds and tick.
void ComposeDialog(TClip &clip);
void ComposeRotateLeft(TClip &clip);
void ComposeRotateRight(TClip &clip);
void ComposeLineOne(TClip &clip);
void ComposeLineTwo(TClip &clip);
void ComposeLineThree(TClip &clip);
void ComposeLineFour(TClip &clip);
void ComposeFallDown1(TClip &clip);
void ComposeFallDown2(TClip &clip);
void ComposeFallDown3(TClip &clip);
void ComposeFallDown4(TClip &clip);
void ComposeFallDown5(TClip &clip);
void ComposeFallDown6(TClip &clip);
void ComposeFallDown7(TClip &clip);
void ComposeFallDown(TClip &clip);

#pragma once
// The six pictures every game uses, in the order the game addresses them.

#include "media/ImageList.h"

enum TGameImage : int {
  ImageFigure = 0, // one block of the falling piece, drawn with pure red as transparent
  ImageStarting,   // the game's start picture
  ImageBackGround, // the play background
  ImagePuzzle,     // the current level's picture
  ImageGameOver,   // the game-over picture
  ImageSmall,      // template of the small block of the next-piece preview
};

// Adds the six items to an empty list; figure (18 x 18) and small (12 x 12) are the built-in
// block pictures, the other four items start without a picture.
void FillGameImageList(TImageList &list, const QImage &figure, const QImage &small);

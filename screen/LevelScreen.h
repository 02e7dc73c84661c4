#pragma once
// The window picture (600 x 400) and what is drawn on it outside the picture cells: skins,
// the side panels (level counter, high-score column, next-piece preview, score line), panel
// frames, the level-end picture with its corner marks. The panel backgrounds are saved at every
// level start so that panels can be redrawn without composing the skin again.

#include "gamefile/GameData.h"

#include <QImage>
#include <QRect>

class TLevelScreen {
public:
  TLevelScreen();

  QImage &Picture() { return WindowPicture; }
  const QImage &Picture() const { return WindowPicture; }
  const QImage &PlayFieldBackground() const { return PlayField; }

  // A loaded skin over the whole window: stretched, or at its own size centred on black.
  void DrawSkin(const QImage &skin, bool stretch);
  // Level start: the playing skin (or a black window when it could not be loaded) becomes the
  // background, and the four panel backgrounds are taken from it.
  void ComposeBackground(const QImage &playingSkin, bool stretch);
  void DrawPanelFrames(const TGameData &game);
  void DrawLevelCounter(int level, int levelCount);
  void DrawScoreColumn(const TScoreTable &scores);
  // "false" restores only the background.
  // The score line's background alone, with no score on it.
  void ClearScore();
  // These two return the part of the window picture they drew on.
  QRect DrawScore(const QString &text);
  QRect DrawNextPiece(int pieceType, const QImage &blockPicture);
  // The saved play-field background at the play field (removes the well copy).
  void RestorePlayField();
  // The level's picture as the level showed it (stretched to its cells), centred in the window
  // with its corner marks, over the backdrop; the backdrop alone for a null picture.
  void DrawLevelEnd(const QImage &backdrop, const QImage &shownPicture);
  // Finds the panel fonts and draws their characters once, off screen: the first level start
  // would otherwise wait for the font lookup and the glyphs.
  static void PrepareFonts();

private:
  void DrawCentredText(const QString &text, int y, QRgb colour);

  QImage WindowPicture;
  QImage PlayField, Preview, Column, ScoreBackground;
};

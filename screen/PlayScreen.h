#pragma once
// Everything the player sees of a game: the window picture with its panels and picture cells,
// the play surface with the settled blocks and the falling piece, the start prompt and the
// pause banner. It composes and draws what it is told, and its TShownPicture says when the
// window must be shown again. It keeps no rules and no timers.

#include "media/PlaySurface.h"
#include "screen/LevelScreen.h"
#include "screen/Overlays.h"
#include "screen/PieceView.h"
#include "screen/ShownPicture.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>

#include <array>

class TPictureCells;
class TWell;
struct TGameData;
struct TLanding;

// The built-in pictures the screen draws with.
struct TScreenPictures {
  QImage Parts;  // the eight block colours side by side, four to a row
  QImage Figure; // the falling piece's block
  QImage Small;  // the next-piece preview's block
  QImage Prompt;
  QImage PauseBanner;
};

class TPlayScreen {
public:
  TPlayScreen(QObject &owner, const TScreenPictures &pictures);

  QImage &Picture() { return Screen.Picture(); }
  TPlaySurface &Surface() { return Display; }
  TOverlays &Overlays() { return ShownOver; }
  // What of the window picture the window has shown, and the showing of what changed.
  TShownPicture &Shown() { return ShownPicture; }
  // The falling piece.
  TPieceView &Piece() { return FallingPiece; }

  // Skins and whole-window pictures.
  void DrawSkin(const QImage &skin, bool stretch) { Screen.DrawSkin(skin, stretch); }
  void Blank() { Screen.Picture().fill(Qt::black); }
  // The level's picture, at the size its cells show it.
  void SetLevelPicture(const QImage &picture) { LevelPicture = picture; }
  // The level's whole picture over the backdrop.
  void DrawLevelEnd(const QImage &backdrop);
  void RestorePlayField() { Screen.RestorePlayField(); }

  // A level's screen: the playing skin, hidden cells, panels, and the play surface kept out of
  // sight until ShowPlayField.
  void ComposeLevel(const QImage &playingSkin, const TGameData &game, int level,
                    const TPictureCells &cells);
  void ShowPlayField();
  void HidePlayField() { Display.SetLeft(-600); }
  // Back from a pause: the play surface again as the window picture's well copy shows it.
  void ShowPlayFieldFromWindow();
  // The well as it stands, on the window picture, while the play surface is out of sight.
  void PaintWellCopy(const TWell &well, const std::array<QPoint, 4> *piece);

  // Panels.
  void DrawScore(int score);
  void ClearScore() { Screen.ClearScore(); }
  void DrawNextPiece(int type, int colourIndex);
  void DrawCellGrid(const TPictureCells &cells);

  // A landing: uncovered cells, the well from the lowest removed row up, and the cell grid.
  void ShowLanding(const TLanding &landing, const TWell &well, const TPictureCells &cells);

private:
  void RepaintSquare(const TWell &well, int col, int row);

  TPlaySurface Display;
  std::array<QImage, 8> BlockPictures; // one per cell colour
  TPieceView FallingPiece;
  TLevelScreen Screen;
  TShownPicture ShownPicture{Screen.Picture()};
  TOverlays ShownOver;
  QImage LevelPicture;
};

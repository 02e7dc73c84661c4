#pragma once
// Everything the player sees of a game: the window picture with its panels and picture cells,
// the play surface with the settled blocks and the falling piece, the start prompt and the
// pause banner. The game tells it what happened; it composes and draws, and says when the
// window must be shown again. It keeps no rules and no timers.

#include "media/ImageList.h"
#include "media/PlaySurface.h"
#include "media/SurfaceSpriteEngine.h"
#include "screen/GhostPiece.h"
#include "screen/LevelScreen.h"
#include "screen/Overlays.h"
#include "screen/PieceSprites.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QRegion>

#include <array>
#include <functional>
#include <vector>

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

  // Tells the window which part of the window picture changed: all of it (its rectangle), or
  // the panels and cells drawn on while a level is played.
  std::function<void(const QRegion &changed)> OnWindowPictureChanged;

  // The window picture is shown as it is now, all of it.
  void ShowWindowPicture();
  // Shows it again if anything drew on it since it was last shown: only the parts drawn through
  // DrawPart, or all of it when anything else drew on it too. Every new piece changes a panel,
  // and each megabyte-sized showing of the whole window cost the window system more than all
  // the frames of the piece's fall.
  void ShowIfChanged();
  // Draws on the window picture through draw, which returns the part it drew on.
  template <typename Draw> void DrawPart(Draw draw) {
    const bool onlyParts = Screen.Picture().cacheKey() == PartsKey;
    const QRegion part = draw();
    if (!onlyParts)
      return;
    DrawnParts += part;
    PartsKey = Screen.Picture().cacheKey();
  }

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

  // The falling piece.
  void SetPieceColour(int colourIndex);
  void CreatePiece(const std::array<QPoint, 4> &positions);
  void FreePiece() { PieceBlocks.Free(); }
  // One frame of the play surface; draws nothing when nothing changed. landing: what shows of
  // the place a drop would settle the piece in (top-left pixels), drawn faintly under it; none,
  // as by default, when the player does not want it shown.
  void DrawFrame(const std::array<QPoint, 4> &positions, bool pieceActive,
                 const std::vector<QPoint> &landing = {});

  // A landing: uncovered cells, the well from the lowest removed row up, and the cell grid.
  void ShowLanding(const TLanding &landing, const TWell &well, const TPictureCells &cells);

private:
  void RepaintSquare(const TWell &well, int col, int row);

  TPlaySurface Display;
  TImageList ImageList;
  TSurfaceSpriteEngine SpriteEngine;
  std::array<QImage, 8> BlockPictures; // one per cell colour
  TLevelScreen Screen;
  TPieceSprites PieceBlocks;
  TGhostPiece Ghost;
  TOverlays ShownOver;
  QImage CurrentBlockPicture;
  QImage LevelPicture;
  qint64 ShownPictureKey = 0; // the window picture's cache key when it was last shown
  QRegion DrawnParts;         // drawn through DrawPart since then
  qint64 PartsKey = 0;        // the cache key after the last of them, while only they drew

  // Where the falling piece was drawn, to tell a frame that would draw nothing new.
  struct TPieceFrame {
    qint64 Picture = 0;
    std::array<QPoint, 4> Positions{};
    bool operator==(const TPieceFrame &) const = default;
  };
  TPieceFrame LastPieceFrame;
};

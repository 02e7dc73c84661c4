#pragma once
// The falling piece on the play surface: its blocks as sprites in the colour of the cell it
// carries, the faint copy where a drop would settle it, and a frame drawn only when something
// changed.

#include "media/ImageList.h"
#include "media/SurfaceSpriteEngine.h"
#include "screen/GhostPiece.h"
#include "screen/PieceSprites.h"

#include <QImage>
#include <QPoint>

#include <array>
#include <vector>

class TPlaySurface;

class TPieceView {
public:
  // blocks: a block picture per cell colour; figure and small: the built-in block pictures.
  TPieceView(TPlaySurface &display, const std::array<QImage, 8> &blocks, const QImage &figure,
             const QImage &small);

  void SetColour(int colourIndex);
  // The block picture of the piece's colour.
  const QImage &BlockPicture() const { return Colour; }
  // The play surface with no blocks, made with each level's screen.
  void SetBackground(const QImage &playField) { PieceBlocks.PlayFieldBackground = playField; }
  void Create(const std::array<QPoint, 4> &positions);
  void Free() { PieceBlocks.Free(); }
  // One frame; draws nothing when nothing changed. landing: what shows of the place a drop would
  // settle the piece in (top-left pixels), drawn faintly under it; none when not wanted.
  void DrawFrame(const std::array<QPoint, 4> &positions, bool pieceActive,
                 const std::vector<QPoint> &landing);
  // The surface was drawn anew: the landing place is drawn again at the next frame.
  void ForgetLanding() { Ghost.Forget(); }

private:
  TPlaySurface &Display;
  const std::array<QImage, 8> &Blocks;
  TImageList ImageList;
  TSurfaceSpriteEngine SpriteEngine;
  TPieceSprites PieceBlocks;
  TGhostPiece Ghost;
  QImage Colour;

  // Where the piece was drawn, to tell a frame that would draw nothing new.
  struct TPieceFrame {
    qint64 Picture = 0;
    std::array<QPoint, 4> Positions{};
    bool operator==(const TPieceFrame &) const = default;
  };
  TPieceFrame LastPieceFrame;
};

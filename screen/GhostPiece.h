#pragma once
// A faint copy of the falling piece where a drop would settle it, drawn on the play surface
// under the piece. Its squares are free ones, so it never lies over a settled block; the caller
// leaves out the squares the piece stands on. Like the piece's sprites it draws only what
// changed: a square it leaves gets the play-field background back, a square it comes to is
// drawn, and a frame in which it stays where it is draws nothing.

#include <QImage>
#include <QPoint>

#include <vector>

class TPlaySurface;

class TGhostPiece {
public:
  explicit TGhostPiece(TPlaySurface &surface) : Display(surface) {}

  // The ghost's blocks at positions (top-left pixels; none to hide it), in block's colour over
  // background, the play field with no blocks on it.
  void Show(const std::vector<QPoint> &positions, const QImage &block, const QImage &background);
  // The play surface was drawn anew: nothing of the ghost shows on it any more.
  void Forget() { Shown = {}; }

  // How much of the block's colour shows over the play field.
  static constexpr double Opacity = 0.4;

private:
  struct TShown {
    std::vector<QPoint> Positions;
    qint64 Block = 0; // the block picture's cache key
  };

  TPlaySurface &Display;
  TShown Shown;
};

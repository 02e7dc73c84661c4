#pragma once
// A drawing surface: an opaque picture that the game draws on through a canvas, and onto which
// picture items are copied. It remembers the area drawn on since the owner last presented it,
// so an unchanged frame costs nothing to show and a moved block costs only its squares.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <memory>

class TSurface {
public:
  TSurface() = default;
  ~TSurface();
  TSurface(const TSurface &) = delete;
  TSurface &operator=(const TSurface &) = delete;

  // Makes the pixels (filled with fill); false when they cannot be had. Drops any held canvas.
  bool Make(int width, int height, QColor fill);
  // Gives the pixels up; the surface is then 0 x 0.
  void Release();
  bool IsMade() const { return !Pixels.isNull(); }

  int Width() const { return Pixels.width(); }
  int Height() const { return Pixels.height(); }
  QRect Rect() const { return Pixels.rect(); }
  const QImage &Image() const { return Pixels; }

  // A painter on the surface. The first call takes hold of the surface; later calls return the
  // same painter until ReleaseCanvas. Using it counts as drawing on the whole surface. Throws
  // on a surface that was not made.
  QPainter &Canvas();
  // Ends the canvas painting; does nothing when no canvas is held.
  void ReleaseCanvas();
  bool CanvasHeld() const { return Held != nullptr; }

  // Copies from of picture to at, unaffected by whatever the canvas user set on its painter.
  // The caller has clipped the rectangles to both pictures.
  void Blit(QPoint at, const QImage &picture, const QRect &from);

  // Drawn since the last ClearDrawn, and where (the bounding rectangle of what was drawn).
  bool Drawn() const { return !DrawnArea.isEmpty(); }
  QRect DamagedArea() const { return DrawnArea; }
  void ClearDrawn() { DrawnArea = QRect(); }

private:
  void CopyRows(QPoint at, const QImage &picture, const QRect &from);

  QImage Pixels;
  std::unique_ptr<QPainter> Held;
  QRect DrawnArea;
};

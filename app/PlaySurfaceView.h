#pragma once
// Presents the play surface's back buffer at the window picture's whole factor. A frame that
// drew nothing presents nothing, and one that moved a block repaints only around it: every
// repainted pixel is copied once more by the window system.

#include <QWidget>

class TPlaySurface;

class TPlaySurfaceView : public QWidget {
  Q_OBJECT
public:
  TPlaySurfaceView(TPlaySurface &surface, QWidget *parent);

  void SetFactor(int factor);
  // The area of the back buffer that changed, in its own pixels.
  void ShowChanged(const QRect &area);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  TPlaySurface &Surface;
  int Scale = 1;
};

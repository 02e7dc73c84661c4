#pragma once
// Presents the play surface's back buffer at the window picture's whole factor. A frame that
// drew nothing presents nothing.

#include <QWidget>

class TDXDraw;

class TPlaySurfaceView : public QWidget {
  Q_OBJECT
public:
  TPlaySurfaceView(TDXDraw &surface, QWidget *parent);

  void SetFactor(int factor);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  TDXDraw &Surface;
  int Scale = 1;
};

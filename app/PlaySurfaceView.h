#pragma once
// Presents the play surface's back buffer. A frame that drew nothing presents nothing.

#include <QWidget>

class TDXDraw;

class TPlaySurfaceView : public QWidget {
  Q_OBJECT
public:
  TPlaySurfaceView(TDXDraw &surface, QWidget *parent);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  TDXDraw &Surface;
};

#pragma once
// Shows the game's 600 x 400 window picture and the pictures laid over it.

#include <QWidget>

class TGame;

class TWindowPictureView : public QWidget {
  Q_OBJECT
public:
  TWindowPictureView(TGame &game, QWidget *parent);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  TGame &Game;
};

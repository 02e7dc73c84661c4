#pragma once
// Shows the game's 600 x 400 window picture and the pictures laid over it, scaled by a whole
// factor with every picture pixel a square of screen pixels. In a window the view is exactly
// the scaled picture; filling (full screen) it centres the largest factor that fits on black.

#include <QWidget>

#include <functional>

class TGame;

class TWindowPictureView : public QWidget {
  Q_OBJECT
public:
  static constexpr QSize PictureSize{600, 400};

  TWindowPictureView(TGame &game, QWidget *parent);

  // A window of this factor.
  void SetFactor(int factor);
  // Takes whatever room it is given (full screen).
  void SetFilling();
  int Factor() const { return Scale; }
  // Where the picture's top-left corner is in the view.
  QPoint Origin() const { return Corner; }

  // The factor or the picture's place changed: what lies on the picture follows.
  std::function<void()> OnLayoutChanged;

protected:
  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;

private:
  void Layout();

  TGame &Game;
  int Scale = 1;
  bool Filling = false;
  QPoint Corner;
};

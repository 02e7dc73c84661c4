#pragma once
// The target cell's blink as a piece that carries a hidden cell arrives: the cell goes black,
// then back to its colour, one step per tick of the flash timer.

#include <QPoint>
#include <QRect>
#include <QRgb>

class TPictureCells;
class TPlayScreen;

class TCellFlash {
public:
  explicit TCellFlash(TPlayScreen &screen) : Screen(screen) {}

  // One step on the falling piece's target cell; true when the blink is over.
  bool Step(bool pieceFalling, const TPictureCells &cells, QPoint target);
  // No blink is under way, so a new one may begin.
  bool Allowed() const { return Free; }
  void Allow() { Free = true; }

private:
  void End();

  TPlayScreen &Screen;
  bool Free = true;
  int Tick = 0;
  QRect Rect;
  QRgb Colour = 0;
};

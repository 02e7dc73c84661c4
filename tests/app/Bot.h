#pragma once
// A player for whole games under virtual time: chooses where the falling piece should go (fewer
// holes, a lower and flatter stack, more rows cleared) and steers it there with key taps, one
// action per two frames, as a player would.

#include "tests/app/GameHarness.h"

#include "rules/PieceShapes.h"

#include <array>
#include <functional>

class TBot {
public:
  enum TMove { Turn, Left, Right, Drop };
  // perform: makes one move as one tap of a control; unset, taps the keyboard's keys.
  explicit TBot(TGameHarness &h, std::function<void(TMove)> perform = {});

  // One step of play: at most one key tap.
  void Step();

private:
  using TGrid = std::array<std::array<bool, 19>, 11>; // [col 1..10][row 1..18]

  TGrid Well() const;
  void Plan();
  static double Evaluate(TGrid grid, std::array<TSquare, 4> squares);

  TGameHarness &H;
  std::function<void(TMove)> Perform;
  int Current = 0;
  bool Planned = false;
  bool Dropped = false;
  int TargetState = 1;
  int TargetCol = 1;
};

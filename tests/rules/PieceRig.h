#pragma once
// A falling piece on a well of its own, driven frame by frame (16 ms) with the keys a player
// holds and a lock delay on the rig's own clock: no display, timer or device.

#include "rules/FallingPiece.h"
#include "rules/Well.h"

#include <set>
#include <utility>
#include <vector>

using TSquares = std::set<std::pair<int, int>>;
using A = TPlayerAction;

class PieceRig {
public:
  PieceRig() {
    Well.Empty();
    Piece.ResetMotion();
  }
  void Spawn(int type) {
    Piece.SetType(type);
    Piece.Create();
  }
  // A key goes down: its action is asked for until served or released. A served action stays
  // away while its key is held, as the player's input does it.
  void Press(A action) {
    if (!Down.Has(action))
      Held.Add(action);
    Down.Add(action);
  }
  void Release(A action) {
    Down.Remove({action});
    Held.Remove({action});
  }
  // The lock delay (150 ms) runs on the rig's clock; its end only counts here, since landing
  // belongs to the game.
  void Wait(int ms) {
    Now += ms;
    if (LockDelayFrom >= 0 && Now - LockDelayFrom >= 150) {
      LockDelayFrom = -1;
      ++LockExpiries;
    }
  }
  bool LockDelayRunning() const { return LockDelayFrom >= 0; }
  void StopLockDelay() { LockDelayFrom = -1; }
  // One frame: the delay's clock, then the move steps on the held actions, as the frame does.
  void Frame() {
    Wait(16);
    const TPieceStep step = Piece.Step(Held, LockDelayRunning());
    Held.Remove(step.Served);
    Score += step.Points;
    Sounds.insert(Sounds.end(), step.Sounds.begin(), step.Sounds.end());
    if (step.LockDelayWanted)
      LockDelayFrom = Now;
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i)
      Frame();
  }
  void Tap(A action) {
    Press(action);
    Frame();
    Release(action);
  }
  TSquares Squares() const {
    TSquares s;
    for (const TSquare &b : Piece.Piece().Blocks())
      s.insert({b.Col, b.Row});
    return s;
  }
  TSquare Block(int i) const { return Piece.Piece().Block(i); }
  int Turn() const { return Piece.Piece().Turn; }
  QPoint Pixel(int i) const { return Piece.BlockPositions()[size_t(i)]; }
  void Fill(int col, int row) { Well.Square(col, row).Occupied = true; }
  // Falls one row: a due step, then the five frames of its slide.
  void Fall() {
    Piece.StepDue();
    Frames(5);
  }

  TPlayPreferences Prefs;
  TWell Well;
  TFallingPiece Piece{Well, Prefs};
  std::vector<QString> Sounds;
  int Score = 0;
  int LockExpiries = 0;

private:
  TPlayerActions Held, Down;
  int Now = 0;
  int LockDelayFrom = -1;
};

#pragma once
// The falling piece in motion: the piece value, the requests that the player's actions make,
// and the slides that animate a one-square move, as a rule over SlideFrames frames of SlideStep
// pixels (a soft fall's rows and a fast repeat's columns take fewer frames).
// Step runs once a frame on the actions the player holds: it turns them into requests, then
// turns, drops, slides and falls the whole piece, and says which actions it served, what the
// drop scored, which turn sounds are due and whether the lock delay should start (the piece can
// fall no further; the delay's end lands it, which is the game's). It reads no device, owns no
// timer and plays nothing; drawing it is the block sprites' (PieceSprites).

#include "rules/Piece.h"
#include "rules/PlayPreferences.h"
#include "rules/PlayerActions.h"
#include "rules/SlideRepeat.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class TWell;

// What one frame of motion asks of the game.
struct TPieceStep {
  TPlayerActions Served;        // actions the piece acted on: the press is used up
  int Points = 0;               // a drop's bonus
  bool LockDelayWanted = false; // the piece rests: the lock delay should run
  QStringList Sounds;           // turns made, in order, when motion sounds are on
};

class TFallingPiece {
public:
  TFallingPiece(const TWell &well, const TPlayPreferences &prefs);

  // Level start: requests, animations and a pending resume key cleared; a pause may be taken.
  void ResetMotion();
  // The next piece appears at the top; its type is the one set last.
  void Create();
  void Free();
  void SetType(int type) { Current.Type = type; }

  // One frame of motion on the actions the player holds, with the lock delay running or not.
  TPieceStep Step(TPlayerActions held, bool lockDelayRunning);
  // A fall step is due (the fall timer ticked, or the level started).
  void StepDue() { FallDue = true; }
  // The key that resumed play must not also turn or drop the piece.
  void SwallowResumeKey();

  const TPiece &Piece() const { return Current; }
  bool Active() const { return IsActive; }
  // Between slides, outside the lock delay: a pause now leaves nothing half done.
  bool PauseAllowed() const { return PauseFree; }
  bool Animating() const { return Slide != TSlide::None; }
  bool SteppingDown() const { return Slide == TSlide::Down; }
  bool RestsOnSomething() const;
  bool OnFloor() const { return Current.OnFloor(); }
  // Top-left pixel of each block on the play surface, slide progress included.
  std::array<QPoint, PieceBlockCount> BlockPositions() const;
  // Top-left pixels of the landing place's squares that the piece does not stand on now: what
  // shows of the place a drop would settle it in; none when it lies there already.
  std::vector<QPoint> LandingPositions() const;
  int PiecesMade() const { return Made; } // tells one piece from the next
  // Nothing is wanted or moving: until a timer or a key, frames would change nothing.
  bool AtRest() const;
  // A turn that did not fit yet is still wanted.
  bool TurnPending() const { return TurnCwWanted || TurnAcwWanted; }
  bool DropPending() const { return DropWanted; }
  bool SidewaysPending() const { return LeftWanted || RightWanted; }

  static constexpr int SlideStep = 4;
  static constexpr int SlideFrames = 5;
  // A row of a soft fall (the Down key held, when it makes the piece fall).
  static constexpr int SoftFallFrames = 2;

private:
  enum class TSlide { None, Left, Right, Down };

  void Move();
  void TurnAndDrop();
  void SlideAndFall();
  void ReadRequests();
  void TryTurn(bool clockwise);
  void Drop();
  void MoveSideways(int direction);
  void FallStep();
  void EndSlide();
  void StartLockDelay();
  void RunLockDelay();
  void Serve(TPlayerActions actions) { Held.Remove(actions); }

  const TWell &Well;
  const TPlayPreferences &Prefs;

  TPiece Current;
  int Made = 0;
  bool IsActive = false; // its four block sprites exist
  bool PauseFree = false;
  bool TurnCwWanted = false, TurnAcwWanted = false, DropWanted = false;
  bool LeftWanted = false, RightWanted = false, FallDue = false;
  bool ResumeKeyPending = false;
  TSlide Slide = TSlide::None;
  int SlideCount = 0;            // frames of the current slide done
  int SlideLength = SlideFrames; // and its frames in all
  TSlideRepeat Repeat{Prefs};
  // During a Step: the frame's actions less those served, the points scored, and the lock
  // delay as it now stands.
  TPlayerActions Held;
  int Points = 0;
  QStringList Sounds;
  bool LockDelayRunning = false;
  bool LockDelayStarted = false;
  bool SoftFall = false; // the Down key makes the piece fall and is held
};

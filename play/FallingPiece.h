#pragma once
// The falling piece in motion: the piece value, the requests that keys make, and the slides
// that animate a one-square move over SlideFrames frames of SlideStep pixels. Step runs once a
// frame: it turns input states into requests, then turns, drops, slides and falls the whole
// piece. When the piece can fall no further the lock delay (LockDelayTimer) starts; its tick lands
// the piece. Drawing the piece is the block sprites' (PieceSprites).

#include "media/PlayerInput.h"
#include "play/Piece.h"
#include "play/PlayPreferences.h"
#include "play/PlayStatus.h"

#include <QPoint>
#include <QString>

#include <array>
#include <functional>

class TTimer;
class TWell;

class TFallingPiece {
public:
  TFallingPiece(const TWell &well, TPlayerInput &input, TTimer &lockDelayTimer, TPlayStatus &status,
                const TPlayPreferences &prefs);

  // Level start: requests, animations and a pending resume key cleared.
  void ResetMotion();
  // The next piece appears at the top; its type is the one set last.
  void Create();
  void Free();
  void SetType(int type) { Current.Type = type; }

  // One frame of motion; nothing while suspended.
  void Step();
  // A fall step is due (the fall timer ticked, or the level started).
  void StepDue() { FallDue = true; }
  // The key that resumed play must not also turn or drop the piece.
  void SwallowResumeKey();

  const TPiece &Piece() const { return Current; }
  bool Active() const { return Status.PieceActive; }
  bool Animating() const { return Slide != TSlide::None; }
  bool SteppingDown() const { return Slide == TSlide::Down; }
  bool RestsOnSomething() const;
  bool OnFloor() const { return Current.OnFloor(); }
  // Top-left pixel of each block on the play surface, slide progress included.
  std::array<QPoint, PieceBlockCount> BlockPositions() const;
  int PiecesMade() const { return Made; } // tells one piece from the next
  // Nothing is wanted or moving: until a timer or a key, frames would change nothing.
  bool AtRest() const;
  // A turn that did not fit yet is still wanted.
  bool TurnPending() const { return TurnCwWanted || TurnAcwWanted; }
  bool DropPending() const { return DropWanted; }
  bool SidewaysPending() const { return LeftWanted || RightWanted; }

  std::function<void(const QString &)> PlaySound;
  static constexpr int SlideStep = 4;
  static constexpr int SlideFrames = 5;

private:
  enum class TSlide { None, Left, Right, Down };

  void ReadRequests();
  void TryTurn(bool clockwise);
  void Drop();
  void MoveSideways(int direction);
  void FallStep();
  void EndSlide();
  void StartLockDelay();
  void RemoveStates(std::initializer_list<TInputState> states);

  const TWell &Well;
  TPlayerInput &Input;
  TTimer &LockDelayTimer;
  TPlayStatus &Status;
  const TPlayPreferences &Prefs;

  TPiece Current;
  int Made = 0;
  bool TurnCwWanted = false, TurnAcwWanted = false, DropWanted = false;
  bool LeftWanted = false, RightWanted = false, FallDue = false;
  bool ResumeKeyPending = false;
  TSlide Slide = TSlide::None;
  int SlideCount = 0; // frames of the current slide done
};

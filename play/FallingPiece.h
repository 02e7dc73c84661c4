#pragma once
// The falling piece: four block sprites and the motion state they share. Each frame the sprite
// engine runs the blocks' move steps in block order; a step turns input states into requests,
// makes turns and drops for the whole piece, and animates one-square moves as slides of
// SlideFrames frames of SlideStep pixels. When the piece can fall no further the lock delay
// (DeadTimer) starts; its tick lands the piece.

#include "media/Input.h"
#include "play/PlayPreferences.h"
#include "play/PlayStatus.h"

#include <QImage>
#include <QString>

#include <array>
#include <functional>

class TDXDraw;
class TPartSprite;
class TPictureCollectionItem;
class TSprite;
class TTimer;
class TWell;

class TFallingPiece {
public:
  TFallingPiece(TWell &well, TDXInput &input, TDXDraw &dxDraw, TTimer &deadTimer,
                TPlayStatus &status, const TPlayPreferences &prefs);

  // Level start: requests and animations cleared, slides of 5 frames of 4 pixels.
  void ResetMotion();
  // Creates the four blocks of CurrentPieceType under root, drawn with figure.
  void Create(TSprite &root, TPictureCollectionItem &figure);
  // Marks the blocks dead and frees them at once.
  void Free();
  // Any block has an occupied square directly below it.
  bool RestsOnSomething() const;
  // Every block lies on its lowest allowed row.
  bool OnFloor() const;

  void MoveStep(TPartSprite &block);
  // Repaints the block's area of the play surface from the play-field background.
  void EraseBlock(const TPartSprite &block);

  std::function<void(const QString &)> PlaySound;
  QImage PlayFieldBackground; // the play surface with no blocks, made with the level screen

  int CurrentPieceType = 0;
  std::array<TPartSprite *, 4> PieceBlocks{};
  int PiecesMade = 0; // tells one piece from the next

  bool RotateCwRequest = false, RotateAcwRequest = false;
  bool MoveLeftRequest = false, MoveRightRequest = false;
  bool StepDue = false, DropRequest = false;
  int SlideStep = 4;
  int SlideFrames = 5;
  std::array<int, 4> SlideCounter{};
  bool SlidingLeft = false, SlidingRight = false, SteppingDown = false;
  bool CanMoveLeft = false, CanMoveRight = false, CanMoveDown = false;
  bool ResumeKeyPending = false;

private:
  bool Animating() const { return SlidingLeft || SlidingRight || SteppingDown; }
  void ReadRequests(const TPartSprite &block);
  void TryTurn(bool clockwise);
  void Drop();
  void MoveSideways(TPartSprite &block, int direction);
  void FallStep(TPartSprite &block);
  void EndSlide();
  void StartLockDelay();
  void RemoveStates(std::initializer_list<TInputState> states);

  TWell &Well;
  TDXInput &Input;
  TDXDraw &DXDraw;
  TTimer &DeadTimer;
  TPlayStatus &Status;
  const TPlayPreferences &Prefs;
};

#pragma once
// The course of a game: each frame runs the handler of the current state (title, playing, level
// end, game over) and entering a state runs its entry action; a level's start with its picture,
// its end, the game's end with the high score, and the timers that move from one state to the
// next.

#include "app/GamePart.h"
#include "app/GameState.h"
#include "media/Timer.h"

class TMenuCommands;
class TPauseControl;
class TPiecePlay;
struct TSkin;

class TPlayFlow : TGamePart {
public:
  TPlayFlow(TGameParts &parts, TPiecePlay &pieces, TPauseControl &pause, TMenuCommands &commands);

  void OnFrame(int lagCount);
  void SetGameState(TGameState state);
  TGameState GameState() const { return State; }
  bool GameRunning() const { return Running; }
  bool TitleShown() const { return OnTitle; }
  // The game ended with every level played (not with the well full).
  bool AllLevelsDone() const { return AllLevelsPlayed; }

  // A running game ends without a title screen (a stop, a close).
  void EndRunning();
  // The level is finished (its last cell, or the level skip): its bonus, then the level end.
  void FinishLevel();
  // allLevelsDone: every level was played; otherwise the stack reached the top.
  void EndGame(bool allLevelsDone);
  void EndLevelSoon() { EndLevelTimer.SetEnabled(true); }
  void ShowTitleSoon() { TitleTimer.SetEnabled(true); }
  // A stand-alone game without a game of its own closes after the usual delay.
  void CloseSoon() { ExitTimer.SetEnabled(true); }
  void RefreshIfDirty();
  std::function<void()> OnCloseRequested;

private:
  bool NothingMoves() const;
  bool PieceAtRest();
  void EnterState(TGameState state);
  void TitleFrame();
  void GameOverFrame();
  void LevelEndFrame();
  void LevelEnded();
  void OnTitleTimer();
  void OnEndLevelTimer();
  void OnExitTimer();
  void OnPictureNoticeTimer();

  // Entry actions.
  void DrawSkin(const TSkin &skin);
  void ShowTitle();
  bool BuildPictureCells(QImage &playingSkin);
  void PrefetchLevelPicture(int level);
  void StartLevel();
  void ComposeLevelScreen(const QImage &playingSkin);
  void ShowGameOver();
  // High scores in the game file, or in the score store when the file is read-only.
  void EnterHighScore();
  void ShowLevelEnd();

  TPiecePlay &Pieces;
  TPauseControl &Pause;
  TMenuCommands &Commands;
  TTimer EndLevelTimer, TitleTimer, ExitTimer, PictureNoticeTimer;
  TGameState State = StateNone;
  bool Running = false;
  bool OnTitle = false;
  bool AllLevelsPlayed = false; // the game ended with its last level finished
  bool PictureDirty = false;    // the window picture must be refreshed at the next frame
  bool StartWaits = false;      // the start key came before the level's picture was decoded
};

#pragma once
// One game as it is played, driven by ticks: the course of the game (title, levels, their end,
// the game over), the falling pieces and the pause, with the timers that move it on. The player's
// actions and the menus' commands come in; what happens goes out to the observers (TGameEvents).
// It draws nothing and reads no file: the level pictures come from a TLevelSource.

#include "input/PlayerInput.h"
#include "media/Timer.h"
#include "play/GameObservers.h"
#include "play/GameState.h"
#include "play/LevelSource.h"
#include "play/Pause.h"
#include "play/PieceFall.h"
#include "rules/PlaySession.h"

class TGameModel {
public:
  // randomSeed: base seed of the game's random generator (a test passes a constant).
  TGameModel(TScheduler &scheduler, TKeyStateTable &keys, TLevelSource &levels, quint64 randomSeed);
  ~TGameModel();
  TGameModel(const TGameModel &) = delete;
  TGameModel &operator=(const TGameModel &) = delete;

  // Observers are told in the order they subscribed.
  void Subscribe(TGameEvents &observer) { Observers.Add(observer); }

  // One frame: the player's actions are sampled and the state's frame runs.
  void Frame();
  // What the next frames need: Run them, Idle (a piece is played, but until a timer or a key
  // asks for something they would draw nothing), or Sleep (no piece moves, nothing waits and no
  // key is held). pictureDirty: the window picture waits to be shown again; surfaceDrawn: the
  // play surface was drawn on since its last showing.
  enum TFrames { Run, Idle, Sleep };
  TFrames FramesNeeded(bool pictureDirty, bool surfaceDrawn) const;
  // A key went down: its actions that act at once (pause, and the resume of a pause); true
  // when it resumed a pause. pauseOffered: the menus offer Pause Game now.
  bool KeyDown(TPlayerActions actions, bool pauseOffered);

  // Commands.
  void ShowTitle() { SetGameState(StateTitle); }
  void ShowTitleSoon() { TitleTimer.SetEnabled(true); }
  void StartGame() { SetGameState(StatePlaying); }
  // A running game ends without a title screen (a stop, a close): no pause, no piece, no score.
  void EndRunningGame();
  // Stop Game, once the player agreed: the running game ends and the title shows.
  void StopRunningGame();
  // The level is finished (its last cell, or the level skip): its bonus, then the level end.
  void FinishLevel();
  // A stand-alone game without a game of its own closes after the usual delay.
  void CloseSoon() { ExitTimer.SetEnabled(true); }
  // The level picture decoded in the background is ready.
  void LevelPictureReady();

  TGameState GameState() const { return State; }
  bool GameRunning() const { return Running; }
  bool TitleShown() const { return OnTitle; }
  // The game ended with every level played (not with the well full).
  bool AllLevelsDone() const { return AllLevelsPlayed; }
  int Level() const { return CurrentLevel; }

  TPlaySession &Session() { return PlaySession; }
  const TPlaySession &Session() const { return PlaySession; }
  TPlayerInput &Input() { return PlayerInput; }
  const TPieceFall &Pieces() const { return Fall; }
  TPause &Pause() { return Hold; }
  const TPause &Pause() const { return Hold; }

private:
  template <typename Event> void Tell(Event event) const { Observers.Tell(event); }
  void Sound(const QString &name) const;
  void SetGameState(TGameState state);
  void EnterState(TGameState state);
  void StartFrame();
  void EndGame(bool allLevelsDone);
  void NextLevel();
  void StartLevel();
  bool PrepareLevel(TLevelLook &look);
  void OnPictureNoticeTimer();

  TLevelSource &Levels;
  TGameObservers Observers;
  TPlaySession PlaySession;
  TPlayerInput PlayerInput;
  TPieceFall Fall;
  TPause Hold;
  TTimer EndLevelTimer, TitleTimer, ExitTimer, PictureNoticeTimer;
  TGameState State = StateNone;
  int CurrentLevel = 1;
  bool Running = false;
  bool OnTitle = false;
  bool AllLevelsPlayed = false; // the game ended with its last level finished
  bool StartWaits = false;      // the start key came before the level's picture was decoded
};

#include "play/GameModel.h"

#include "play/Timing.h"

TGameModel::TGameModel(TScheduler &scheduler, TKeyStateTable &keys, TLevelSource &levels,
                       quint64 randomSeed)
    : Levels(levels), PlaySession(randomSeed), PlayerInput(keys),
      Fall(scheduler, PlaySession, PlayerInput, Observers,
           {[this] { return Hold.Suspended(); }, [this] { return Hold.Paused(); },
            [this] { EndLevelTimer.SetEnabled(true); }}),
      Hold(scheduler, PlaySession, PlayerInput, Observers,
           [this](bool paused) { Fall.SetFalling(!paused); }),
      EndLevelTimer(scheduler, Timing::EndLevelDelay), TitleTimer(scheduler, Timing::TitleDelay),
      ExitTimer(scheduler, Timing::ExitDelay),
      PictureNoticeTimer(scheduler, Timing::PictureNoticeDelay) {
  TitleTimer.OnTimer = [this] {
    TitleTimer.SetEnabled(false);
    SetGameState(StateTitle);
  };
  EndLevelTimer.OnTimer = [this] {
    EndLevelTimer.SetEnabled(false);
    FinishLevel();
  };
  ExitTimer.OnTimer = [this] {
    ExitTimer.SetEnabled(false);
    Tell([](TGameEvents &o) { o.CloseWanted(); });
  };
  PictureNoticeTimer.OnTimer = [this] { OnPictureNoticeTimer(); };
}

TGameModel::~TGameModel() { PlaySession.Piece.Free(); }

void TGameModel::Sound(const QString &name) const {
  Tell([&](TGameEvents &o) { o.SoundWanted(name); });
}

void TGameModel::Frame() {
  PlayerInput.Update();
  switch (State) {
  case StateTitle:
  case StateGameOver:
  case StateLevelEnd:
    StartFrame();
    break;
  case StatePlaying:
    if (!Fall.Frame())
      EndGame(false);
    break;
  case StateNone:
    break;
  }
}

// Between levels and games the start key moves the game on: the first level from the title,
// the title from the game over, the next level from a level's end.
void TGameModel::StartFrame() {
  if (!PlayerInput.Has(TPlayerAction::Start) ||
      (State != StateGameOver && Levels.LevelCount() == 0))
    return;
  Sound(QStringLiteral("Dialog"));
  switch (State) {
  case StateTitle:
    SetGameState(StatePlaying);
    break;
  case StateGameOver:
    SetGameState(StateTitle);
    break;
  default:
    CurrentLevel += 1;
    NextLevel();
    break;
  }
}

TGameModel::TFrames TGameModel::FramesNeeded(bool pictureDirty, bool surfaceDrawn) const {
  if (Fall.NewPieceDue() || pictureDirty || !PlayerInput.Actions().Empty())
    return Run;
  if (State != StatePlaying || Hold.Suspended())
    return Sleep; // until a key, a state change or the end of a hold wakes the frames
  // The next frames come with the fall step, the lock delay or a key.
  return !surfaceDrawn && PlaySession.Piece.AtRest() ? Idle : Run;
}

bool TGameModel::KeyDown(TPlayerActions actions, bool pauseOffered) {
  if (pauseOffered && actions.Has(TPlayerAction::Pause))
    Hold.Request();
  if (PlayerInput.Keyboard.Enabled() || !actions.Has(TPlayerAction::Turn))
    return false;
  // Resume; the key must not also turn the piece.
  PlaySession.Piece.SwallowResumeKey();
  PlayerInput.Remove(PlayerInput.Actions());
  Hold.Request();
  return true;
}

void TGameModel::SetGameState(TGameState state) {
  // A start or drop key held into the new state does not act in it; a held direction may.
  PlayerInput.Remove({TPlayerAction::Drop, TPlayerAction::Start, TPlayerAction::Pause});
  State = state;
  // Whatever the start key waited for, it waits no more.
  PictureNoticeTimer.SetEnabled(false);
  Tell([state](TGameEvents &o) { o.StateChanged(state); });
  Tell([](TGameEvents &o) { o.FramesWanted(); });
  EnterState(state);
}

void TGameModel::EnterState(TGameState state) {
  switch (state) {
  case StateTitle:
    Fall.SetPieceDue(false);
    AllLevelsPlayed = false;
    PlaySession.Piece.Free();
    OnTitle = true;
    Tell([](TGameEvents &o) { o.TitleShown(); });
    Levels.Prefetch(CurrentLevel);
    break;
  case StatePlaying:
    StartLevel();
    break;
  case StateGameOver:
    Fall.SetPieceDue(false);
    Tell([this](TGameEvents &o) { o.GameOverShown(AllLevelsPlayed); });
    break;
  case StateLevelEnd:
    Fall.SetPieceDue(false);
    Tell([](TGameEvents &o) { o.LevelEndShown(); });
    Levels.Prefetch(CurrentLevel + 1);
    break;
  case StateNone:
    break;
  }
}

void TGameModel::EndRunningGame() {
  Hold.End();
  Running = OnTitle = false;
  Fall.EndPiece();
  PlaySession.ClearScore();
  Sound(QStringLiteral("EndGame"));
  CurrentLevel = 1;
}

void TGameModel::StopRunningGame() {
  EndRunningGame();
  SetGameState(StateTitle);
}

void TGameModel::FinishLevel() {
  Fall.EndPiece();
  Sound(QStringLiteral("EndLevel"));
  PlaySession.ScoreFinishedLevel();
  Fall.SetFalling(false);
  AllLevelsPlayed = false;
  SetGameState(StateLevelEnd);
}

// allLevelsDone: every level was played; otherwise the stack reached the top.
void TGameModel::EndGame(bool allLevelsDone) {
  AllLevelsPlayed = allLevelsDone;
  CurrentLevel = 1;
  Fall.SetFalling(false);
  SetGameState(StateGameOver);
}

// After a level: the next one, or the end of the game after the last.
void TGameModel::NextLevel() {
  if (CurrentLevel > Levels.LevelCount())
    EndGame(true);
  else
    SetGameState(StatePlaying);
}

void TGameModel::LevelPictureReady() {
  if (StartWaits && State == StatePlaying)
    StartLevel();
}

// The start key has waited a while for the level's picture: the player is shown that the game
// is at work, not stuck, until the level starts.
void TGameModel::OnPictureNoticeTimer() {
  PictureNoticeTimer.SetEnabled(false);
  if (StartWaits && State == StatePlaying)
    Tell([](TGameEvents &o) { o.WaitingForPicture(); });
}

void TGameModel::StartLevel() {
  // The start key came before the picture was decoded: the level starts once it is, and the
  // window goes on drawing and answering meanwhile.
  StartWaits = Levels.Decoding();
  if (StartWaits) {
    PictureNoticeTimer.SetEnabled(true);
    return;
  }
  PictureNoticeTimer.SetEnabled(false);
  Sound(QStringLiteral("EnterGame"));
  Tell([](TGameEvents &o) { o.LevelStarting(); });
  PlaySession.StartLevel(CurrentLevel);
  TLevelLook look;
  if (!PrepareLevel(look))
    return;
  PlaySession.Cells.ColourCells(PlaySession.Random);
  Fall.BeginLevel();
  Tell([&](TGameEvents &o) {
    o.LevelStarted(PlaySession, CurrentLevel, Levels.LevelCount(), look);
  });
  Running = true;
  OnTitle = false;
  Fall.Start();
  Tell([this](TGameEvents &o) {
    o.ScoreChanged(PlaySession.Score());
    o.FramesWanted(); // also when the level starts late, once its picture is decoded
  });
}

// A level whose picture cannot be used could never end: it is skipped (the source said why).
// False when none was left and the game is over.
bool TGameModel::PrepareLevel(TLevelLook &look) {
  for (;;) {
    if (std::optional<TLevelLook> prepared = Levels.Prepare(CurrentLevel, PlaySession.Cells)) {
      look = std::move(*prepared);
      return true;
    }
    CurrentLevel += 1;
    if (CurrentLevel > Levels.LevelCount()) {
      EndGame(true);
      return false;
    }
  }
}

// The frame loop and the state machine: each frame runs the handler of the current state, and
// entering a state runs its entry action (LevelFlow.cpp); the end of a level or of the game, and
// the timers that move from one state to the next.
#include "app/Game.h"

#include "app/PlayerActionKeys.h"
#include "app/Trace.h"

void TGame::OnFrame(int lagCount) {
  Q_UNUSED(lagCount);
  if (!View.Surface().SurfaceReady())
    return;
  PlayerInput.Update();
  switch (State) {
  case StateTitle:
    TitleFrame();
    break;
  case StatePlaying:
    PlayingFrame();
    break;
  case StateGameOver:
    GameOverFrame();
    break;
  case StateLevelEnd:
    LevelEndFrame();
    break;
  case StateNone:
    break;
  }
  // Whatever drew on the window picture since it was last shown (a landing's score line, the
  // NEXT box) is shown in this same frame.
  View.ShowIfChanged();
  View.Surface().Flip();
  if (NothingMoves())
    FrameTimer.Sleep(); // until a key, a state change or the end of a hold wakes it
  else if (PieceAtRest())
    FrameTimer.Idle(); // the next frames come with the fall step, the lock delay or a key
}

// The next frames would find nothing to do: no piece moves (none is played, or a pause, menu
// or dialog holds it still), nothing waits to be shown and no key is held.
bool TGame::NothingMoves() const {
  return (State != StatePlaying || Suspended) && !PieceDue && !PictureDirty &&
         View.WindowPictureShown() && PlayerInput.States().none();
}

// A piece is played, but until a timer (the fall step, the lock delay) or a key asks for
// something the frames would draw nothing.
bool TGame::PieceAtRest() {
  return State == StatePlaying && !PieceDue && !PictureDirty && View.AllShown() &&
         PlayerInput.States().none() && Session.Piece.AtRest();
}

void TGame::SetGameState(TGameState state) {
  for (int s = InputButton1; s <= InputButton32; ++s)
    PlayerInput.Remove(static_cast<TInputState>(s));
  State = state;
  Trace::Event("state", QString::number(state));
  FrameTimer.WakeUp();

  if (state == StateNone)
    return;
  UpdateMenu();
  EnterState(state);
}

void TGame::UpdateMenu() {
  for (TCommand command : AllCommands)
    MenuItems.SetEnabled(command, Offered(command));
}

bool TGame::Offered(TCommand command) const {
  return CommandEnabled(command, State, Data.LevelCount());
}

void TGame::EnterState(TGameState state) {
  switch (state) {
  case StateTitle:
    ShowTitle();
    break;
  case StatePlaying:
    StartLevel();
    break;
  case StateGameOver:
    ShowGameOver();
    break;
  case StateLevelEnd:
    ShowLevelEnd();
    break;
  case StateNone:
    break;
  }
}

void TGame::RefreshIfDirty() {
  if (!PictureDirty)
    return;
  PictureDirty = false;
  View.ShowWindowPicture();
}

void TGame::TitleFrame() {
  RefreshIfDirty();
  if (PlayerInput.Has(InputButton1) && Data.LevelCount() > 0) {
    PlaySound("Dialog");
    SetGameState(StatePlaying);
  }
}

void TGame::PlayingFrame() {
  RefreshIfDirty();
  if (PieceDue) {
    PieceDue = false;
    Session.Piece.Create();
    View.CreatePiece(Session.Piece.BlockPositions());
    Trace::Event("piece", QStringLiteral("%1 %2,%3")
                              .arg(Session.Piece.Piece().Type)
                              .arg(Session.Cells.TargetCellCol())
                              .arg(Session.Cells.TargetCellRow()));
    if (Session.Piece.RestsOnSomething()) {
      EndPiece();
      PlaySound("EndGame");
      EndGame(false);
      return;
    }
    if (Session.Cells.TargetHidden()) {
      View.DrawCellGrid(Session.Cells);
      View.ShowWindowPicture();
      if (View.FlashAllowed())
        FlashTimer.SetEnabled(true);
    }
  }
  const TPiece before = Session.Piece.Piece();
  if (!Suspended) {
    const TPieceStep step =
        Session.StepPiece(PlayerActions(PlayerInput.States()), LockDelayTimer.Enabled());
    PlayerInput.Remove(InputStatesOf(step.Served));
    if (step.LockDelayWanted)
      LockDelayTimer.SetEnabled(true);
  }
  const TPiece &after = Session.Piece.Piece();
  if (Trace::Enabled() && (after.Turn != before.Turn || after.Shift.Col != before.Shift.Col))
    Trace::Event("move", QStringLiteral("%1 %2").arg(after.Shift.Col).arg(after.Turn));
  View.DrawFrame(Session.Piece.BlockPositions(), Session.Piece.Active());
}

void TGame::GameOverFrame() {
  RefreshIfDirty();
  if (PlayerInput.Has(InputButton1)) {
    PlaySound("Dialog");
    SetGameState(StateTitle);
  }
}

void TGame::LevelEndFrame() {
  RefreshIfDirty();
  if (PlayerInput.Has(InputButton1) && Data.LevelCount() > 0) {
    PlaySound("Dialog");
    Data.CurrentLevel += 1;
    LevelEnded();
  }
}

// After a level: the next one, or the end of the game after the last.
void TGame::LevelEnded() {
  if (Data.CurrentLevel > Data.LevelCount()) {
    EndGame(true);
  } else {
    SetGameState(StatePlaying);
  }
}

void TGame::EndPiece() {
  Session.Piece.Free();
  View.FreePiece();
}

void TGame::FinishLevel() {
  EndPiece();
  PlaySound("EndLevel");
  Session.ScoreFinishedLevel();
  DownTimer.SetEnabled(false);
  AllLevelsPlayed = false;
  SetGameState(StateLevelEnd);
}

// allLevelsDone: every level was played; otherwise the stack reached the top.
void TGame::EndGame(bool allLevelsDone) {
  AllLevelsPlayed = allLevelsDone;
  Data.CurrentLevel = 1;
  DownTimer.SetEnabled(false);
  SetGameState(StateGameOver);
}

void TGame::OnTitleTimer() {
  TitleTimer.SetEnabled(false);
  SetGameState(StateTitle);
}

void TGame::OnEndLevelTimer() {
  EndLevelTimer.SetEnabled(false);
  FinishLevel();
}

void TGame::OnExitTimer() {
  ExitTimer.SetEnabled(false);
  if (OnCloseRequested)
    OnCloseRequested();
}

// Menu commands of the Game, Options and Help menus, the pause with its deferred start, the
// stop of a running game and the close sequence.
#include "app/Game.h"

#include "app/CommandLine.h"
#include "app/GameDialogs.h"
#include "app/GameSound.h"
#include "app/Trace.h"
#include "gamefile/WorkingPictures.h"
#include "play/PartSprite.h"

#include <QPainter>

void TGame::ClearInputStates() {
  for (TInputState s : {InputDown, InputUp, InputLeft, InputRight, InputButton1, InputButton2,
                        InputButton3, InputButton4, InputButton5, InputButton6})
    DXInput.Remove(s);
}

void TGame::GamePauseClick() { PauseTimer.SetEnabled(true); }

void TGame::PauseTimerTimer() {
  if (!PlayStatus.PauseAllowed || !PlayStatus.PieceActive)
    return;
  for (const TPartSprite *b : Falling.PieceBlocks)
    if (b->Row == WellRows)
      return; // not while the piece is in the top row: tried again in 5 ms
  PauseTimer.SetEnabled(false);
  TogglePause();
}

void TGame::TogglePause() {
  IsPaused = !IsPaused;
  MenuItems.SetChecked("GamePause", IsPaused);
  if (Paused()) {
    PlayStatus.Suspended = true;
    DXInput.Keyboard.SetEnabled(false);
    PlaySound("Pause");
    DownTimer.SetEnabled(false);
    SetCaption(ApplicationTitle + " [Pause]");
    PaintWellCopy();
    RepaintWindowPicture();
    DXDraw.SetLeft(-600);
    PauseBanner.Visible = true;
    if (OnOverlaysChanged)
      OnOverlaysChanged();
  } else {
    ClearInputStates();
    DXInput.Keyboard.SetEnabled(true);
    DownTimer.SetEnabled(true);
    SetCaption(ApplicationTitle);
    DXDraw.Surface().Canvas().drawImage(QPoint(0, 0), Screen.Picture(), QRect(320, 20, 198, 360));
    DXDraw.Surface().ReleaseCanvas();
    DXDraw.SetLeft(320);
    HidePauseBanner();
    SetSuspended(false);
  }
}

void TGame::HidePauseBanner() {
  if (!PauseBanner.Visible)
    return;
  PauseBanner.Visible = false;
  if (OnOverlaysChanged)
    OnOverlaysChanged();
}

// The well as it stands, on the window picture, while the play surface is out of sight.
void TGame::PaintWellCopy() {
  QPainter p(&Screen.Picture());
  p.drawImage(320, 20, Screen.PlayFieldBackground());
  for (int r = 1; r < WellRows; ++r)
    for (int c = 1; c <= WellColumns; ++c) {
      const TWellSquare &s = Well.Square(c, r);
      if (s.Occupied)
        p.drawImage(s.Left + 320, s.Top + 20, s.BlockPicture);
    }
  if (PlayStatus.PieceActive)
    for (const TPartSprite *b : Falling.PieceBlocks)
      p.drawImage(QPointF(b->X() + 320, b->Y() + 20), CurrentBlockPicture);
}

void TGame::StopGame1Click() {
  if (!GameRunning)
    return;
  Trace::Event("message", "Confirm Stop Game||Really Stop Current Game?!|");
  if (!Dialogs ||
      Dialogs->ShowConfirmBox("Confirm Stop Game", "", "Really Stop Current Game?!", "") != 1) {
    StopAccepted = false;
    return;
  }
  StopAccepted = true;
  EndRunningGame();
  SetGameState(StateTitle);
}

void TGame::EndRunningGame() {
  if (Paused()) {
    IsPaused = false;
    MenuItems.SetChecked("GamePause", false);
    DXInput.Keyboard.SetEnabled(true);
    SetCaption(ApplicationTitle);
    DXDraw.SetLeft(320);
    HidePauseBanner();
    // A stopped game is no longer paused, so nothing may hold the next one still.
    PlayStatus.Suspended = false;
  }
  GameRunning = false;
  TitleShown = false;
  EndPiece();
  PlayStatus.Score = 0;
  PlaySound("EndGame");
  Data.CurrentLevel = 1;
}

// The window goes whatever happens: a running game ends without the title screen, and nothing
// on the way may open a box that the close would have to wait for. Only an interactive close
// asks whether to save a changed game.
void TGame::FormClose(QPoint windowPosition, TCloseKind kind) {
  Closing = true;
  if (GameRunning)
    EndRunningGame();
  if (kind == CloseAsked)
    SaveIfModified(false);
  if (StandAloneMode && !MenuItems.Visible("MakeExe1"))
    Document.RepackStandAlone(ProgramPath);
  Document.DeleteWorkingPictures();
  DXTimer.SetEnabled(false);
  if (!Data.Unsaved && !ReachedByDescriptor(Data.FilePath))
    Settings.WriteSetting("LastGame", Data.FilePath);
  Settings.WriteSetting("DownArrow", Prefs.DownArrowDrops ? "Drop" : "Rotate");
  Settings.WriteSetting("QuarryboxLeft", QString::number(windowPosition.x()));
  Settings.WriteSetting("QuarryboxTop", QString::number(windowPosition.y()));
}

void TGame::GameStartClick() { SetGameState(StatePlaying); }

void TGame::Score1Click() {
  PlaySound("Dialog");
  if (Dialogs)
    Dialogs->ShowScoreTable(Data.Scores, 11);
}

void TGame::Settings1Click() {
  PlaySound("Dialog");
  if (Dialogs)
    Dialogs->ShowPreferences();
}

void TGame::DownloadMoreGames1Click() {
  PlaySound("Dialog");
  if (Dialogs)
    Dialogs->ShowVisitSite();
}

void TGame::Info1Click() {
  PlaySound("Dialog");
  if (Dialogs)
    Dialogs->ShowAbout();
}

void TGame::HelpTopic1Click() {
  if (Dialogs)
    Dialogs->OpenHelp("file://" + Folder + "Help/index.html");
}

void TGame::SetSoundOn(bool on) {
  SoundOn = on;
  MenuItems.SetChecked("OptionSound", on);
}

void TGame::OptionSoundClick() {
  const bool on = !SoundOn;
  SetSoundOn(on);
  Settings.WriteSetting("SoundState", on ? "ON" : "OFF");
  if (on && Sound && !Sound->Initialized() && !Sound->Initialize())
    SetSoundOn(false); // no device: silent, no message
  if (!on && Sound)
    Sound->Finalize();
}

// Menu commands of the Game, Options and Help menus, the pause with its deferred start, the
// stop of a running game and the close sequence.
#include "app/Game.h"

#include "app/CommandLine.h"
#include "app/GameDialogs.h"
#include "app/GameSound.h"
#include "app/Trace.h"
#include "gamefile/WorkingPictures.h"

#include <QCoreApplication>

void TGame::ClearInputStates() {
  for (TInputState s : {InputDown, InputUp, InputLeft, InputRight, InputButton1, InputButton2,
                        InputButton3, InputButton4, InputButton5, InputButton6})
    PlayerInput.Remove(s);
}

void TGame::PauseGame() { PauseTimer.SetEnabled(true); }

void TGame::OnPauseTimer() {
  if (!Session.Status.PauseAllowed || !Session.Status.PieceActive)
    return;
  for (const TSquare &b : Session.Piece.Piece().Blocks())
    if (b.Row == WellRows)
      return; // not while the piece is in the top row: tried again in 5 ms
  PauseTimer.SetEnabled(false);
  TogglePause();
}

void TGame::TogglePause() {
  IsPaused = !IsPaused;
  MenuItems.SetChecked(TCommand::PauseGame, IsPaused);
  if (Paused()) {
    Session.Status.Suspended = true;
    PlayerInput.Keyboard.SetEnabled(false);
    PlaySound("Pause");
    DownTimer.SetEnabled(false);
    SetCaption(QCoreApplication::translate("TGame", "%1 [Pause]").arg(ApplicationTitle));
    const auto piece = Session.Piece.BlockPositions();
    View.PaintWellCopy(Session.Well, Session.Status.PieceActive ? &piece : nullptr);
    View.ShowWindowPicture();
    View.HidePlayField();
    View.Overlays().ShowPauseBanner(true);
  } else {
    ClearInputStates();
    PlayerInput.Keyboard.SetEnabled(true);
    DownTimer.SetEnabled(true);
    SetCaption(ApplicationTitle);
    View.ShowPlayFieldFromWindow();
    View.Overlays().ShowPauseBanner(false);
    SetSuspended(false);
  }
}

void TGame::StopGame() {
  if (!GameRunning)
    return;
  Trace::Event("message", "Confirm Stop Game||Really Stop Current Game?!|");
  if (!Dialogs ||
      Dialogs->ShowConfirmBox(QCoreApplication::translate("TGame", "Confirm Stop Game"), "",
                              QCoreApplication::translate("TGame", "Really Stop Current Game?!"),
                              "") != 1) {
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
    MenuItems.SetChecked(TCommand::PauseGame, false);
    PlayerInput.Keyboard.SetEnabled(true);
    SetCaption(ApplicationTitle);
    View.Surface().SetLeft(320);
    View.Overlays().ShowPauseBanner(false);
    // A stopped game is no longer paused, so nothing may hold the next one still.
    Session.Status.Suspended = false;
  }
  GameRunning = false;
  TitleShown = false;
  EndPiece();
  Session.Status.Score = 0;
  PlaySound("EndGame");
  Data.CurrentLevel = 1;
}

// The window goes whatever happens: a running game ends without the title screen, and nothing
// on the way may open a box that the close would have to wait for. Only an interactive close
// asks whether to save a changed game.
void TGame::Close(std::optional<QPoint> windowPosition, TCloseKind kind) {
  Closing = true;
  if (GameRunning)
    EndRunningGame();
  if (kind == CloseAsked)
    SaveIfModified(false);
  if (StandAloneMode && !MenuItems.Visible(TCommand::MakeExe))
    ReportFailure(Document.RepackStandAlone(ProgramPath)); // logged: the window is closing
  Document.DeleteWorkingPictures();
  FrameTimer.SetEnabled(false);
  if (const QString stored = StoredFileName(Data.FilePath); !Data.Unsaved && !stored.isEmpty())
    Settings.WriteSetting("LastGame", stored);
  Settings.WriteSetting("DownArrow", Session.Prefs.DownArrowDrops ? "Drop" : "Rotate");
  if (windowPosition) {
    Settings.WriteSetting("QuarryboxLeft", QString::number(windowPosition->x()));
    Settings.WriteSetting("QuarryboxTop", QString::number(windowPosition->y()));
  }
}

void TGame::Run(TCommand command) {
  switch (command) {
  case TCommand::StartGame:
    return StartGame();
  case TCommand::PauseGame:
    return PauseGame();
  case TCommand::StopGame:
    return StopGame();
  case TCommand::Score:
    return ShowScores();
  case TCommand::Sound:
    return ToggleSound();
  case TCommand::Preferences:
    return ShowPreferences();
  case TCommand::DownloadMoreGames:
    return DownloadMoreGames();
  case TCommand::HelpTopic:
    return ShowHelp();
  case TCommand::About:
    return ShowAbout();
  case TCommand::OpenGame:
    return OpenGame();
  case TCommand::SaveGame:
    return SaveGame();
  case TCommand::SaveGameAs:
    return SaveGameAs();
  case TCommand::MakeExe:
    return MakeExe();
  case TCommand::CreateGame:
    return CreateGame();
  case TCommand::EditGame:
    return EditGame();
  case TCommand::Exit:
  case TCommand::SizeNormal:
  case TCommand::SizeDouble:
  case TCommand::SizeTriple:
  case TCommand::FullScreen:
    return; // the window's own
  }
}

void TGame::StartGame() { SetGameState(StatePlaying); }

void TGame::ShowScores() {
  PlaySound("Dialog");
  if (Dialogs)
    Dialogs->ShowScoreTable(Data.Scores, 11);
}

void TGame::ShowPreferences() {
  PlaySound("Dialog");
  if (Dialogs)
    Dialogs->ShowPreferences();
}

void TGame::DownloadMoreGames() {
  PlaySound("Dialog");
  if (Dialogs)
    Dialogs->ShowVisitSite();
}

void TGame::ShowAbout() {
  PlaySound("Dialog");
  if (Dialogs)
    Dialogs->ShowAbout();
}

void TGame::ShowHelp() {
  if (Dialogs)
    Dialogs->OpenHelp("file://" + Folder + "Help/index.html");
}

void TGame::SetSoundOn(bool on) {
  SoundOn = on;
  MenuItems.SetChecked(TCommand::Sound, on);
}

void TGame::SetSound(TGameSound *sound) {
  Sound = sound;
  if (Sound)
    Sound->OnUnavailable = [this] { SetSoundOn(false); }; // silent, no message
}

void TGame::ToggleSound() {
  const bool on = !SoundOn;
  SetSoundOn(on);
  Settings.WriteSetting("SoundState", on ? "ON" : "OFF");
  if (on && Sound && !Sound->Initialized() && !Sound->Initialize())
    SetSoundOn(false); // no device: silent, no message
  if (!on && Sound)
    Sound->Finalize();
}

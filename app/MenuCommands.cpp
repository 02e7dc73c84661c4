#include "app/MenuCommands.h"

#include "app/FileCommands.h"
#include "app/GameDialogs.h"
#include "app/GameSound.h"
#include "app/PauseControl.h"
#include "app/PiecePlay.h"
#include "app/PlayFlow.h"
#include "app/Trace.h"
#include "input/StoredKeyBindings.h"
#include "settings/StoredPreferences.h"

#include <QCoreApplication>

TMenuCommands::TMenuCommands(TGameParts &parts, TPlayFlow &flow, TPiecePlay &pieces,
                             TPauseControl &pause, TFileCommands &files)
    : TGamePart(parts), Flow(flow), Pieces(pieces), Pause(pause), Files(files) {}

void TMenuCommands::UpdateMenu() {
  for (TCommand command : AllCommands)
    MenuItems.SetEnabled(command, Offered(command));
}

bool TMenuCommands::Offered(TCommand command) const {
  return CommandEnabled(command, Flow.GameState(), Data.LevelCount());
}

void TMenuCommands::StopGame() {
  if (!Flow.GameRunning())
    return;
  Trace::Event("message", "Confirm Stop Game||Really Stop Current Game?!|");
  if (!Parts.Dialogs ||
      Parts.Dialogs->ShowConfirmBox(
          QCoreApplication::translate("TGame", "Confirm Stop Game"), "",
          QCoreApplication::translate("TGame", "Really Stop Current Game?!"), "") != 1) {
    Accepted = false;
    return;
  }
  Accepted = true;
  EndRunningGame();
  Flow.SetGameState(StateTitle);
}

void TMenuCommands::EndRunningGame() {
  Pause.EndPause();
  Flow.EndRunning();
  Pieces.EndPiece();
  Session.ClearScore();
  Parts.PlaySound("EndGame");
  Data.CurrentLevel = 1;
}

void TMenuCommands::Run(TCommand command) {
  switch (command) {
  case TCommand::StartGame:
    return StartGame();
  case TCommand::PauseGame:
    return Pause.PauseGame();
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
    return Files.OpenGame();
  case TCommand::SaveGame:
    return Files.SaveGame();
  case TCommand::SaveGameAs:
    return Files.SaveGameAs();
  case TCommand::MakeExe:
    return Files.MakeExe();
  case TCommand::CreateGame:
    return Files.CreateGame();
  case TCommand::EditGame:
    return Files.EditGame();
  case TCommand::Exit:
  case TCommand::OpenRecent:
  case TCommand::GamesGallery:
  case TCommand::SizeNormal:
  case TCommand::SizeDouble:
  case TCommand::SizeTriple:
  case TCommand::FullScreen:
    return; // the window's own
  }
}

void TMenuCommands::StartGame() { Flow.SetGameState(StatePlaying); }

void TMenuCommands::ShowScores() {
  Parts.PlaySound("Dialog");
  if (Parts.Dialogs)
    Parts.Dialogs->ShowScoreTable(Data.Scores, 11);
}

void TMenuCommands::ShowPreferences() {
  Parts.PlaySound("Dialog");
  if (Parts.Dialogs)
    Parts.Dialogs->ShowPreferences();
  UseStoredKeysAndVolume(); // the dialog's Ok stored them
}

void TMenuCommands::UseStoredKeysAndVolume() {
  Parts.PlayerInput.Keyboard.Bindings = ReadKeyBindings(Settings);
  if (Parts.Sound)
    Parts.Sound->SetVolume(ReadSoundVolume(Settings));
}

void TMenuCommands::DownloadMoreGames() {
  Parts.PlaySound("Dialog");
  if (Parts.Dialogs)
    Parts.Dialogs->ShowVisitSite();
}

void TMenuCommands::ShowAbout() {
  Parts.PlaySound("Dialog");
  if (Parts.Dialogs)
    Parts.Dialogs->ShowAbout();
}

void TMenuCommands::ShowHelp() {
  if (Parts.Dialogs)
    Parts.Dialogs->OpenHelp("file://" + Parts.Folder + "Help/index.html");
}

void TMenuCommands::SetSoundOn(bool on) {
  Parts.SoundOn = on;
  MenuItems.SetChecked(TCommand::Sound, on);
}

void TMenuCommands::SetSound(TGameSound *sound) {
  Parts.Sound = sound;
  if (Parts.Sound)
    Parts.Sound->OnUnavailable = [this] { SetSoundOn(false); }; // silent, no message
}

void TMenuCommands::ToggleSound() {
  const bool on = !Parts.SoundOn;
  SetSoundOn(on);
  Settings.Write(Setting::SoundOn, on);
  if (on && Parts.Sound && !Parts.Sound->Initialized() && !Parts.Sound->Initialize())
    SetSoundOn(false); // no device: silent, no message
  if (!on && Parts.Sound)
    Parts.Sound->Finalize();
}

#include "app/MenuCommands.h"

#include "app/GameDialogs.h"
#include "app/GameDocument.h"
#include "app/GameMessages.h"
#include "app/GameSound.h"
#include "app/GameSounds.h"
#include "app/MenuModel.h"
#include "input/StoredKeyBindings.h"
#include "play/GameModel.h"
#include "settings/SettingsStore.h"
#include "settings/StoredPreferences.h"

TMenuCommands::TMenuCommands(TGameModel &model, TMenuModel &menu, TGameDocument &document,
                             const TGameMessages &messages, TGameSounds &sounds,
                             TSettingsStore &settings)
    : Model(model), Menu(menu), Document(document), Messages(messages), Sounds(sounds),
      Settings(settings) {}

void TMenuCommands::StateChanged(TGameState) { UpdateMenu(); }

void TMenuCommands::PauseChanged(TPauseChange change, const TPlaySession &) {
  Menu.SetChecked(TCommand::PauseGame, change == TPauseChange::Paused);
}

void TMenuCommands::UpdateMenu() {
  for (TCommand command : AllCommands)
    Menu.SetEnabled(command, Offered(command));
}

bool TMenuCommands::Offered(TCommand command) const {
  return CommandEnabled(command, Model.GameState(), Document.Game.LevelCount());
}

bool TMenuCommands::StopGame() {
  if (!Model.GameRunning())
    return true;
  if (!Messages.ConfirmStop())
    return false;
  Model.StopRunningGame();
  return true;
}

void TMenuCommands::Run(TCommand command) {
  switch (command) {
  case TCommand::StartGame:
    return Model.StartGame();
  case TCommand::PauseGame:
    return Model.Pause().Request();
  case TCommand::StopGame:
    StopGame();
    return;
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
  default:
    return; // the file commands' or the window's own
  }
}

void TMenuCommands::ShowScores() {
  Sounds.Play("Dialog");
  if (Messages.Dialogs)
    Messages.Dialogs->ShowScoreTable(Document.Game.Scores, 11);
}

void TMenuCommands::ShowPreferences() {
  Sounds.Play("Dialog");
  if (Messages.Dialogs)
    Messages.Dialogs->ShowPreferences();
  UseStoredKeysAndVolume(); // the dialog's Ok stored them
}

void TMenuCommands::UseStoredKeysAndVolume() {
  Model.Input().Keyboard.Bindings = ReadKeyBindings(Settings);
  if (Sounds.Device)
    Sounds.Device->SetVolume(ReadSoundVolume(Settings));
}

void TMenuCommands::DownloadMoreGames() {
  Sounds.Play("Dialog");
  if (Messages.Dialogs)
    Messages.Dialogs->ShowVisitSite();
}

void TMenuCommands::ShowAbout() {
  Sounds.Play("Dialog");
  if (Messages.Dialogs)
    Messages.Dialogs->ShowAbout();
}

void TMenuCommands::ShowHelp() {
  if (Messages.Dialogs)
    Messages.Dialogs->OpenHelp("file://" + HelpFolder + "Help/index.html");
}

void TMenuCommands::SetSoundOn(bool on) {
  Sounds.SetOn(on);
  Menu.SetChecked(TCommand::Sound, on);
}

void TMenuCommands::SetSound(TGameSound *sound) {
  Sounds.Device = sound;
  if (sound)
    sound->OnUnavailable = [this] { SetSoundOn(false); }; // silent, no message
}

void TMenuCommands::ToggleSound() {
  const bool on = !Sounds.On();
  SetSoundOn(on);
  Settings.Write(Setting::SoundOn, on);
  TGameSound *device = Sounds.Device;
  if (on && device && !device->Initialized() && !device->Initialize())
    SetSoundOn(false); // no device: silent, no message
  if (!on && device)
    device->Finalize();
}

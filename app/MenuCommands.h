#pragma once
// The Game, Options and Help menus' commands (start, pause, stop, scores, sound, preferences,
// help, about), and which commands the game's state offers: the menu follows the model.

#include "app/MenuCommandSet.h"
#include "play/GameEvents.h"

class TGameDocument;
class TGameMessages;
class TGameModel;
class TGameSound;
class TGameSounds;
class TMenuModel;
class TSettingsStore;

class TMenuCommands : public TGameEvents {
public:
  TMenuCommands(TGameModel &model, TMenuModel &menu, TGameDocument &document,
                const TGameMessages &messages, TGameSounds &sounds, TSettingsStore &settings);

  // Where the help pages are (the program's folder).
  QString HelpFolder;

  void Run(TCommand command);
  // The menu offers what the state allows.
  void UpdateMenu();
  bool Offered(TCommand command) const;
  // Stop Game asks first; false once the player kept the running game.
  bool StopGame();
  void SetSound(TGameSound *sound);
  // The player's keys and the sound's volume as the settings hold them.
  void UseStoredKeysAndVolume();
  void ToggleSound();
  void SetSoundOn(bool on);

private:
  void StateChanged(TGameState state) override;
  void PauseChanged(TPauseChange change, const TPlaySession &session) override;
  void ShowScores();
  void ShowPreferences();
  void DownloadMoreGames();
  void ShowAbout();
  void ShowHelp();

  TGameModel &Model;
  TMenuModel &Menu;
  TGameDocument &Document;
  const TGameMessages &Messages;
  TGameSounds &Sounds;
  TSettingsStore &Settings;
};

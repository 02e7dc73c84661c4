#pragma once
// The menu's commands: which the game's state offers, and the Game, Options and Help menus'
// own (start, pause, stop, scores, sound, preferences, help, about); the File menu's go to the
// file commands.

#include "app/GamePart.h"
#include "app/MenuCommandSet.h"

class TFileCommands;
class TPauseControl;
class TPiecePlay;
class TPlayFlow;

class TMenuCommands : TGamePart {
public:
  TMenuCommands(TGameParts &parts, TPlayFlow &flow, TPiecePlay &pieces, TPauseControl &pause,
                TFileCommands &files);

  void Run(TCommand command);
  // The menu offers what the state allows.
  void UpdateMenu();
  bool Offered(TCommand command) const;
  // Stop Game asks first; false once the player kept the running game.
  void StopGame();
  bool StopAccepted() const { return Accepted; }
  // A running game ends: no pause, no piece, the score gone.
  void EndRunningGame();
  void SetSound(TGameSound *sound);
  // The player's keys and the sound's volume as the settings hold them.
  void UseStoredKeysAndVolume();
  void ToggleSound();
  void SetSoundOn(bool on);

private:
  void StartGame();
  void ShowScores();
  void ShowPreferences();
  void DownloadMoreGames();
  void ShowAbout();
  void ShowHelp();

  TPlayFlow &Flow;
  TPiecePlay &Pieces;
  TPauseControl &Pause;
  TFileCommands &Files;
  bool Accepted = true;
};

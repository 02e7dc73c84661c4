#pragma once
// The File menu's commands for game files (Open Game, Save Game, Save Game As, Create Game,
// Edit Game, Make EXE), the game a start opens, a game handed over by a second start or dropped
// on the window, and the save question that they and closing the window share.

#include "settings/StoredSettings.h"

#include <QStringList>

struct TGameData;
class TGameDocument;
class TGameMessages;
class TGameModel;
class TGameScreen;
class TGameSounds;
class TLevelPictureSource;
class TRecentGameCommands;
class TSettingsStore;
class TWindowCaption;

class TFileCommands {
public:
  // What the commands work on, and the services they use.
  struct TUses {
    TGameModel &Model;
    TGameDocument &Document;
    TLevelPictureSource &Levels;
    TGameScreen &Screen;
    TWindowCaption &Caption;
    TRecentGameCommands &Recent;
    TSettingsStore &Settings;
    const TGameMessages &Messages;
    const TGameSounds &Sounds;
  };
  explicit TFileCommands(const TUses &uses) : Uses(uses) {}

  QString Folder;      // where the program's own files are
  QString ProgramPath; // the running program

  // Opens a game file as the current game; false (and said why) when it cannot be read.
  bool Load(const QString &path);
  // No game could be opened: an empty one, which the builder can make into a game.
  void UseEmptyGame();

  // The games a start may open, in the order they are tried: the one named on the command line
  // (a named file that is not there is reported), the last one and the bundled one.
  struct TStartGames {
    QStringList Paths; // files that exist, each once
    QString Named;     // the named one, when it is among them
  };
  TStartGames StartGames(const QStringList &arguments);
  void OpenGame();
  // A game file dropped on the window: opened as Open Game opens the file chosen in its dialog.
  void OpenDroppedGame(const QString &path);
  // One of File > Open Recent's games, opened as a dropped one is (one whose file is gone may be
  // taken off the list instead).
  void OpenRecentGame(const QString &stored);
  // A second start handed over a game ("NewQBXFile").
  void OpenGameMessage();
  void SaveGame();
  void SaveGameAs();
  void CreateGame();
  void EditGame();
  void MakeExe();
  // A changed game may be saved (asked first); false when saving it failed.
  bool SaveIfModified(bool clearAlways);

private:
  TGameData &Game();
  QString GamesFolder(const Setting::TText &setting) const;
  bool NeedsName() const;
  bool Save(const QString &path);
  bool LeaveCurrentGame();
  void OpenGameFile(const QString &path);

  TUses Uses;
  QString SaveFileName = "Untitled.qbx"; // the Save As dialog keeps the last name used
};

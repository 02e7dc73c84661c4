#pragma once
// What every part of the game works with (TGameParts): the clock, the settings, the windows and
// the sound it may use, the screen, the player's input, the frame timer, the menu, the game
// document and the play session, with the reports, captions and sounds they all make. TGamePart
// is the base of the parts that act on them, with short names for the ones they use most.

#include "app/GameDocument.h"
#include "app/MenuModel.h"
#include "gamefile/GameData.h"
#include "gamefile/Result.h"
#include "input/PlayerInput.h"
#include "media/FrameTimer.h"
#include "media/KeyStateTable.h"
#include "media/Scheduler.h"
#include "pictures/LevelPictureLoader.h"
#include "rules/PlaySession.h"
#include "screen/CellFlash.h"
#include "screen/PlayScreen.h"
#include "settings/SettingsStore.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

class TGameDialogs;
class TGameSound;

class TGameParts {
public:
  TGameParts(TScheduler &scheduler, TSettingsStore &settings, quint64 randomSeed);

  // Tells the player (in a box; only logged once the window is closing).
  void Report(const QString &text);
  void ReportFailure(const TStatus &status);
  // Plays a named sound while the sound option is on.
  void PlaySound(const QString &name);
  void SetCaption(const QString &text);
  // "Quarrybox - " and the game's name.
  void SetGameCaption();
  QImage LoadPicture(const QString &path, int type) const;
  // Opens a game file as the current game; false (and said why) when it cannot be read.
  bool LoadGame(const QString &path);
  // The player's actions are let go: a held key acts again only when pressed again.
  void ClearInputStates();

  TScheduler &Scheduler;
  TSettingsStore &Settings;
  TGameDialogs *Dialogs = nullptr; // none in a bare test
  TGameSound *Sound = nullptr;     // none: silent
  QObject FormObject;              // owner of the display components, standing for the main window
  TPlayScreen View;
  TCellFlash CellFlash{View};
  TKeyStateTable KeyTable;
  TPlayerInput PlayerInput;
  TFrameTimer FrameTimer;
  TMenuModel MenuItems;
  TGameDocument Document;
  TGameData &Data = Document.Game;
  TPlaySession Session;
  TLevelPictureLoader LevelPictures;

  QString CaptionText;
  QString ApplicationTitle = "Quarrybox";
  bool StandAloneMode = false;
  QString Folder;      // where the program's own files are
  QString ProgramPath; // the running program (or the stand-alone game it came from)
  bool SoundOn = false;
  bool Closing = false; // from the close on, problems are logged, never shown in a box
  std::function<void()> OnCaptionChanged;
};

class TGamePart {
protected:
  explicit TGamePart(TGameParts &parts)
      : Parts(parts), Scheduler(parts.Scheduler), Settings(parts.Settings), View(parts.View),
        PlayerInput(parts.PlayerInput), FrameTimer(parts.FrameTimer), MenuItems(parts.MenuItems),
        Document(parts.Document), Data(parts.Data), Session(parts.Session),
        LevelPictures(parts.LevelPictures) {}

  TGameParts &Parts;
  TScheduler &Scheduler;
  TSettingsStore &Settings;
  TPlayScreen &View;
  TPlayerInput &PlayerInput;
  TFrameTimer &FrameTimer;
  TMenuModel &MenuItems;
  TGameDocument &Document;
  TGameData &Data;
  TPlaySession &Session;
  TLevelPictureLoader &LevelPictures;
};

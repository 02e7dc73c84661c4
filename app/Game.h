#pragma once
// The game as the main window runs it, with no widget in sight: the game model with those who
// follow it (the screen, the sound, the menus, the caption and the trace), the commands that
// drive it, the frames, start-up and the close. The window (TMainForm) shows what the screen
// draws and feeds it keys and menu commands; tests drive it under virtual time.

#include "app/FileCommands.h"
#include "app/GameDocument.h"
#include "app/GameMessages.h"
#include "app/GameScreen.h"
#include "app/GameSounds.h"
#include "app/GameTrace.h"
#include "app/HighScoreEntry.h"
#include "app/LevelPictureSource.h"
#include "app/MenuCommandSet.h"
#include "app/MenuCommands.h"
#include "app/MenuModel.h"
#include "app/RecentGameCommands.h"
#include "app/WindowCaption.h"
#include "input/KeyBindings.h"
#include "media/FrameTimer.h"
#include "media/KeyStateTable.h"
#include "play/GameModel.h"
#include "screen/PlayScreen.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class TSettingsStore;

// What start-up needs to know about the process and the screen.
struct TStartup {
  QString ProgramPath;   // full path of the running executable
  QStringList Arguments; // command-line arguments after the program name
  QSize ScreenSize{1024, 768};
  QList<QRect> ScreenAreas; // every screen's available area; empty: none known
  QSize WindowSize{600, 400};
  QString WindowHandle; // decimal id that a second start uses to reach us
  // Where the game file type is registered (the XDG data folder); empty: not registered.
  QString DataHome;
};

class TGame : TGameEvents {
public:
  // randomSeed: base seed of the game's random generator (a test passes a constant).
  TGame(TScheduler &scheduler, TSettingsStore &settings, quint64 randomSeed);
  ~TGame() override;
  TGame(const TGame &) = delete;
  TGame &operator=(const TGame &) = delete;

  // Start-up of the main window, in the documented order.
  void Start(const TStartup &startup);
  // What the desktop is told of this start, once the window shows its first picture (the
  // window does not wait for it): the game file type, and the game a file manager opened.
  void TellDesktop();
  // The close sequence; windowPosition (of the client area) is stored for the next start, where
  // the platform tells one (a Wayland window has none, and the stored one stays).
  // CloseAsked: the player closed the window, so a changed game may be saved first.
  // CloseAtOnce: the session is ending; no question is asked.
  enum TCloseKind { CloseAsked, CloseAtOnce };
  void Close(std::optional<QPoint> windowPosition, TCloseKind kind = CloseAsked);

  // A menu command (Exit and the window sizes are the window's own).
  void Run(TCommand command);
  // Games dropped on the window, handed over by a second start or chosen from the recent ones.
  TFileCommands &FileCommands() { return Files; }
  // File > Open Recent and the games gallery: the recent games and where the gallery looks.
  TRecentGameCommands &RecentGameCommands() { return Recent; }
  // The windows the game opens; none in a bare test.
  void SetDialogs(TGameDialogs *dialogs) { Messages.Dialogs = dialogs; }
  // The sound device; without one the game is silent. Set before Start.
  void SetSound(TGameSound *sound) { Commands.SetSound(sound); }
  void PlaySound(const QString &name) { Sounds.Play(name); }

  // The game as it is played: its state, pieces, pause, session and the player's input.
  TGameModel &Model() { return Play; }
  // The window went to the background or came back; a menu or dialog opened or closed.
  void WindowActive(bool active);
  void MenuOpen(bool open) { Play.Pause().MenuOpen(open); }

  // Keys: the window keeps the key table; KeyDown gets the window's key-down commands.
  TKeyStateTable &Keys() { return KeyTable; }
  void KeyDown(TKeyCode key, bool ctrl);

  // What the window shows.
  const QString &Caption() const { return WindowCaption.Text(); }
  TPlayScreen &Screen() { return View; }
  TMenuModel &Menu() { return MenuItems; }
  QPoint WindowPosition() const { return Position; }
  // A level picture is being decoded in the background (asked for, or dropped and not done).
  bool DecodingPicture() const { return Levels.Working(); }
  // Notifications to the window.
  std::function<void()> &OnCaptionChanged = WindowCaption.OnChanged;
  std::function<void()> OnCloseRequested;

  // The game as it stands, open to the window and to tests that set up a position.
  bool StandAlone() const { return StandAloneMode; }
  const QString &ProgramFolder() const { return Folder; }
  // Where pictures are copied out of the game file to be shown; private to this process.
  const QString &WorkingFolder() const { return Document.WorkingFolder(); }
  const TGameData &GameData() const { return Document.Game; }

private:
  void OnFrame();
  void FramesWanted() override { FrameTimer.WakeUp(); }
  void CloseWanted() override;
  void PlaceWindow(const TStartup &startup);
  void StartStandAlone();
  void StartWithChosenGame(const TStartup &startup);

  TScheduler &Scheduler;
  TSettingsStore &Settings;
  QObject FormObject; // owner of the display components, standing for the main window
  TPlayScreen View;
  TKeyStateTable KeyTable;
  TFrameTimer FrameTimer;
  TMenuModel MenuItems;
  TGameDocument Document;
  TGameMessages Messages;
  TLevelPictureSource Levels;
  TGameModel Play;
  // Those who follow the model, in the order they are told.
  TGameTrace TraceEvents;
  TGameSounds Sounds;
  TWindowCaption WindowCaption;
  TMenuCommands Commands;
  TGameScreen ScreenEvents;
  THighScoreEntry HighScores;
  TRecentGameCommands Recent;
  TFileCommands Files;

  QString Folder;      // where the program's own files are
  QString ProgramPath; // the running program (or the stand-alone game it came from)
  bool StandAloneMode = false;
  QPoint Position;
  // For TellDesktop.
  QString DesktopDataHome;
  bool RegisterFileType = false;
  QString NamedGame;
  bool Started = false; // start-up has ended; a close before keeps what the settings hold
};

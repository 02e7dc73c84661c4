#pragma once
// The game as the main window runs it, with no widget in sight: start-up and the close, and the
// parts that play it (the course of the game, the falling pieces, the pause, the menu and file
// commands), wired together here. The window (TMainForm) shows what it draws and feeds it keys
// and menu commands; tests drive it under virtual time.

#include "app/FileCommands.h"
#include "app/GamePart.h"
#include "app/GameState.h"
#include "app/MenuCommandSet.h"
#include "app/MenuCommands.h"
#include "app/PauseControl.h"
#include "app/PiecePlay.h"
#include "app/PlayFlow.h"
#include "app/RecentGameCommands.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

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

class TGame {
public:
  // randomSeed: base seed of the game's random generator (a test passes a constant).
  TGame(TScheduler &scheduler, TSettingsStore &settings, quint64 randomSeed);
  ~TGame();
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
  void Run(TCommand command) { Commands.Run(command); }
  // Games dropped on the window, handed over by a second start or chosen from the recent ones.
  TFileCommands &FileCommands() { return Files; }
  // File > Open Recent and the games gallery: the recent games and where the gallery looks.
  TRecentGameCommands &RecentGameCommands() { return Recent; }
  // The windows the game opens; none in a bare test.
  void SetDialogs(TGameDialogs *dialogs) { Parts.Dialogs = dialogs; }
  // The sound device; without one the game is silent. Set before Start.
  void SetSound(TGameSound *sound) { Commands.SetSound(sound); }

  // The course of the game, the falling pieces and what holds the game still.
  TPlayFlow &PlayFlow() { return Flow; }
  const TPiecePlay &PiecePlay() const { return Pieces; }
  TPauseControl &PauseControl() { return Pause; }

  // Keys: the window keeps the key table; KeyDown gets the window's key-down commands.
  TKeyStateTable &Keys() { return Parts.KeyTable; }
  void KeyDown(TKeyCode key, bool ctrl);

  // What the window shows.
  const QString &Caption() const { return Parts.CaptionText; }
  TPlayScreen &Screen() { return Parts.View; }
  TMenuModel &Menu() { return Parts.MenuItems; }
  QPoint WindowPosition() const { return Position; }
  // A level picture is being decoded in the background (asked for, or dropped and not done).
  bool DecodingPicture() const { return Parts.LevelPictures.Working(); }
  // Notifications to the window.
  std::function<void()> &OnCaptionChanged = Parts.OnCaptionChanged;
  std::function<void()> &OnCloseRequested = Flow.OnCloseRequested;

  // The game as it stands, open to the window and to tests that set up a position.
  bool StandAlone() const { return Parts.StandAloneMode; }
  const QString &ProgramFolder() const { return Parts.Folder; }
  // Where pictures are copied out of the game file to be shown; private to this process.
  const QString &WorkingFolder() const { return Parts.Document.WorkingFolder(); }
  const TGameData &GameData() const { return Parts.Data; }
  void PlaySound(const QString &name) { Parts.PlaySound(name); }
  TPlaySession &PlaySession() { return Parts.Session; }
  TPlayerInput &Input() { return Parts.PlayerInput; }

private:
  void PlaceWindow(const TStartup &startup);
  void StartStandAlone();
  void StartWithChosenGame(const TStartup &startup);

  // Wired in one place: each part knows the others it works with.
  TGameParts Parts;
  TPiecePlay Pieces;
  TPlayFlow Flow;
  TPauseControl Pause;
  TMenuCommands Commands;
  TRecentGameCommands Recent;
  TFileCommands Files;
  QPoint Position;
  // For TellDesktop.
  QString DesktopDataHome;
  bool RegisterFileType = false;
  QString NamedGame;
  bool Started = false; // start-up has ended; a close before keeps what the settings hold
};

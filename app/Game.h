#pragma once
// The game as the main window runs it: start-up, the frame tick, the state machine, the timers
// and every flag, with no widget in sight. The window (TMainForm) shows what this object draws
// and feeds it keys and menu commands; tests drive it under virtual time.

#include "app/GameDocument.h"
#include "app/GameState.h"
#include "app/MenuCommandSet.h"
#include "app/MenuModel.h"
#include "gamefile/GameData.h"
#include "gamefile/GameSource.h"
#include "gamefile/Result.h"
#include "media/FrameTimer.h"
#include "media/ImageList.h"
#include "media/PlaySurface.h"
#include "media/PlayerInput.h"
#include "media/Scheduler.h"
#include "media/SurfaceSpriteEngine.h"
#include "media/Timer.h"
#include "pictures/LevelPictureLoader.h"
#include "rules/PlaySession.h"
#include "screen/PlayScreen.h"
#include "settings/SettingsStore.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

// What start-up needs to know about the process and the screen.
class TGameDialogs;
class TGameSound;

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
  void Stop();
  // The close sequence; windowPosition (of the client area) is stored for the next start, where
  // the platform tells one (a Wayland window has none, and the stored one stays).
  // CloseAsked: the player closed the window, so a changed game may be saved first.
  // CloseAtOnce: the session is ending; no question is asked.
  enum TCloseKind { CloseAsked, CloseAtOnce };
  void Close(std::optional<QPoint> windowPosition, TCloseKind kind = CloseAsked);

  // A menu command (Exit and the window sizes are the window's own).
  void Run(TCommand command);
  // A game file dropped on the window: opened as Open Game opens the file chosen in its dialog.
  void OpenDroppedGame(const QString &path);
  bool Paused() const { return IsPaused; }
  // The windows the game opens; none in a bare test.
  void SetDialogs(TGameDialogs *dialogs) { Dialogs = dialogs; }
  // The sound device; without one the game is silent. Set before Start.
  void SetSound(TGameSound *sound);

  // Frame loop and state machine.
  void OnFrame(int lagCount);
  void SetGameState(TGameState state);
  TGameState GameState() const { return State; }

  // Activation of the application.
  void Activated();
  void Deactivated();
  // A menu of the main window opened or closed: the game stands still while one is open.
  void MenuOpened();
  void MenuClosed();
  // A dialog holds the game still, or lets it go.
  void SetSuspended(bool on);
  // A second start handed over a game ("NewQBXFile").
  void OpenGameMessage();

  // Keys: the window keeps the key table; KeyDown gets the window's key-down commands.
  TKeyStateTable &Keys() { return KeyTable; }
  void KeyDown(int virtualKey, bool ctrl);

  // What the window shows.
  const QString &Caption() const { return CaptionText; }
  TPlayScreen &Screen() { return View; }
  TMenuModel &Menu() { return MenuItems; }
  QPoint WindowPosition() const { return Position; }
  // A level picture is being decoded in the background (asked for, or dropped and not done).
  bool DecodingPicture() const { return LevelPictures.Working(); }

  // Notifications to the window.
  std::function<void()> OnCaptionChanged;
  std::function<void()> OnCloseRequested;

  // Members the state machine shares with the play code.
  bool StandAlone() const { return StandAloneMode; }
  const QString &ProgramFolder() const { return Folder; }
  // Where pictures are copied out of the game file to be shown; private to this process.
  const QString &WorkingFolder() const { return Document.WorkingFolder(); }
  const TGameData &GameData() const { return Data; }
  // Plays a named sound while the sound option is on.
  void PlaySound(const QString &name);
  // Play state, open to the window and to tests that set up a position.
  TPlaySession &PlaySession() { return Session; }
  TPlayerInput &Input() { return PlayerInput; }
  int FallInterval() const { return DownTimer.Interval(); }
  bool DownTimerEnabled() const { return DownTimer.Enabled(); }
  bool GameIsRunning() const { return GameRunning; }
  // The next frame brings the next piece.
  bool NewPieceDue() const { return PieceDue; }
  // The game ended with every level played (not with the well full).
  bool AllLevelsDone() const { return AllLevelsPlayed; }

private:
  // The menu commands' handlers.
  void StartGame();
  void PauseGame();
  void StopGame();
  void ShowScores();
  void ShowPreferences();
  void DownloadMoreGames();
  void ShowAbout();
  void ShowHelp();
  void ToggleSound();
  void OpenGame();
  void SaveGame();
  void SaveGameAs();
  void MakeExe();
  void CreateGame();
  void EditGame();

  void SetCaption(const QString &text);
  void SetGameCaption();
  bool LoadGame(const QString &path);
  void Report(const QString &text);
  QImage LoadPicture(const QString &path, int type) const;
  QString ChooseStartGame(const QStringList &arguments);

  // Frame handlers of the states.
  void TitleFrame();
  void PlayingFrame();
  void GameOverFrame();
  void LevelEndFrame();
  void RefreshIfDirty();
  bool NothingMoves() const;
  bool PieceAtRest();
  void EnterState(TGameState state);
  // The menu offers what the state allows.
  void UpdateMenu();
  bool Offered(TCommand command) const;

  // Stand-alone games.

  // File commands.
  QString GamesFolder(const char *setting) const;
  bool SaveIfModified(bool clearAlways);
  bool NeedsName() const;
  bool LeaveCurrentGame();
  void OpenGameFile(const QString &path);
  bool Save(const QString &path);

  void ReportFailure(const TStatus &status);

  // Entry actions.
  void ShowTitle();
  void StartLevel();
  void ShowGameOver();
  void EnterHighScore();
  // High scores in the game file, or in the score store when the file is read-only.
  void ShowLevelEnd();
  bool BuildPictureCells();
  void PrefetchLevelPicture(int level);
  void ComposeLevelScreen();
  void PrepareNextPiece();
  void DrawNextPiece();
  void DrawScore();
  void EndPiece();
  void FinishLevel();
  void EndGame(bool allLevelsDone);
  void DrawSkin(const TSkin &skin);
  void LevelEnded();

  // Pause and the well copy on the window picture.
  void OnPauseTimer();
  void TogglePause();
  void SetSoundOn(bool on);
  void EndRunningGame();
  void ClearInputStates();

  // Landing and row clearing.
  void LandPiece();
  void ShowLanding(const TLanding &landing);

  void OnTitleTimer();
  void OnEndLevelTimer();
  void OnExitTimer();
  void OnDownTimer();
  void OnSpeedTimer();
  void OnFlashTimer();
  void OnNoFlashTimer();
  void OnRepaintTimer();

  TScheduler &Scheduler;
  TSettingsStore &Settings;
  TGameDialogs *Dialogs = nullptr;
  TGameSound *Sound = nullptr;

  // Display, input and timing layer.
  QObject FormObject; // owner of the display components, standing for the main window
  TPlayScreen View;
  TKeyStateTable KeyTable;
  TPlayerInput PlayerInput;
  TFrameTimer FrameTimer;

  TTimer DownTimer, LockDelayTimer, SpeedTimer, FlashTimer, RepaintTimer, NoFlashTimer,
      EndLevelTimer, TitleTimer, PauseTimer, ExitTimer;

  TMenuModel MenuItems;
  QString CaptionText;
  QString ApplicationTitle = "Quarrybox";
  QPoint Position;

  bool StandAloneMode = false;
  QString Folder;
  QString ProgramPath;
  TGameState State = StateNone;

  TGameDocument Document;
  TGameData &Data = Document.Game;
  TPlaySession Session;
  TLevelPictureLoader LevelPictures;
  bool StartWaits = false; // the start key came before the level's picture was decoded
  QString SaveFileName = "Untitled.qbx"; // the Save As dialog keeps the last name used

  // Flags of the main window.
  bool GameRunning = false;
  bool TitleShown = false;
  bool StopAccepted = true;
  bool IsPaused = false;
  bool SoundOn = false;
  bool Closing = false;   // from the close on, problems are logged, never shown in a box
  bool Suspended = false; // paused, inactive, or a menu or dialog open: the piece stands still
  bool PieceDue = false;  // the next frame creates the next piece
  bool AllLevelsPlayed = false; // the game ended with its last level finished
  bool PictureDirty = false;    // the window picture must be refreshed at the next frame
};

// The game object: the parts wired together, start-up in the documented order, the keys the
// window passes on, and the close.
#include "app/Game.h"

#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/FileTypeRegistration.h"
#include "app/WindowPlacement.h"
#include "gamefile/StandAlone.h"
#include "rules/Rounding.h"
#include "settings/StoredPreferences.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <utility>

TGame::TGame(TScheduler &scheduler, TSettingsStore &settings, quint64 randomSeed)
    : Parts(scheduler, settings, randomSeed), Pieces(Parts, Flow, Pause),
      Flow(Parts, Pieces, Pause, Commands), Pause(Parts, Commands, Pieces),
      Commands(Parts, Flow, Pieces, Pause, Files), Recent(Parts),
      Files(Parts, Flow, Commands, Recent) {}

TGame::~TGame() {
  Pieces.EndPiece();
  Parts.FrameTimer.SetEnabled(false);
}

void TGame::Start(const TStartup &startup) {
  Parts.ProgramPath = startup.ProgramPath;
  const QString exeName = QFileInfo(Parts.ProgramPath).fileName().toUpper();
  Parts.StandAloneMode = exeName != "QUARRYBOX" && exeName != "QUARRYBOX.EXE";
  Parts.Settings.SetStandAlone(Parts.StandAloneMode);

  if (!Parts.StandAloneMode && !Parts.Settings.Read(Setting::OldVersionCopied))
    Parts.Settings.CopyFromOldVersion(startup.WindowHandle);
  Parts.Settings.Write(Setting::WindowHandle, startup.WindowHandle);

  Parts.Data = TGameData();
  Parts.Data.CurrentLevel = 0;

  PlaceWindow(startup);

  Parts.Session.Prefs = ReadPlayPreferences(Parts.Settings);
  Commands.UseStoredKeysAndVolume();

  Parts.Folder = DataFolder(Parts.ProgramPath);
  const QImage customPrompt = FolderPicture(Parts.Folder + "PressSpace.bmp");
  if (!customPrompt.isNull())
    Parts.View.Overlays().SetPromptPicture(customPrompt);
  DesktopDataHome = startup.DataHome;
  RegisterFileType = !Parts.StandAloneMode && !IsInstalled(Parts.ProgramPath);

  Parts.View.Surface().Initialize();

  // The option is set to the opposite of the stored state and then clicked, which stores the
  // state again and opens the device.
  Commands.SetSoundOn(!Parts.Settings.Read(Setting::SoundOn));
  Commands.ToggleSound();

  Parts.Settings.Write(Setting::ProgramPath, Parts.ProgramPath);
  Parts.Settings.Write(Setting::ProgramVersion, QStringLiteral("2.0"));
  Parts.PlaySound("StartQRX");

  if (Parts.StandAloneMode)
    StartStandAlone();
  else
    StartWithChosenGame(startup);
  Commands.UpdateMenu();
  Started = true;
}

void TGame::TellDesktop() {
  if (std::exchange(RegisterFileType, false))
    RegisterGameFileType(DesktopDataHome, Parts.ProgramPath, Parts.Folder);
  if (const QString game = std::exchange(NamedGame, {}); !game.isEmpty())
    Recent.NoteOnDesktop(game);
}

// Where the window was left, else centred; always on a screen that exists now.
void TGame::PlaceWindow(const TStartup &startup) {
  Position.setX(Parts.Settings.Read(Setting::WindowLeft)
                    .value_or(RoundHalfEven(
                        (startup.ScreenSize.width() - startup.WindowSize.width()) / 2.0)));
  Position.setY(Parts.Settings.Read(Setting::WindowTop)
                    .value_or(RoundHalfEven(
                        (startup.ScreenSize.height() - startup.WindowSize.height()) / 2.0)));
  Position = KeepOnScreen(Position, startup.WindowSize, startup.ScreenAreas);
}

// A stand-alone game plays the game it carries, or closes.
void TGame::StartStandAlone() {
  const TResult<QString> unpacked = Parts.Document.UnpackStandAlone(Parts.ProgramPath);
  if (unpacked.Ok() && Parts.LoadGame(unpacked.Value())) {
    // One game and nothing to author: File keeps Exit, and Help goes.
    for (TCommand command :
         {TCommand::OpenGame, TCommand::OpenRecent, TCommand::GamesGallery,
          TCommand::DownloadMoreGames, TCommand::CreateGame, TCommand::EditGame, TCommand::MakeExe,
          TCommand::SaveGame, TCommand::SaveGameAs, TCommand::HelpTopic, TCommand::About})
      Parts.MenuItems.SetVisible(command, false);
    Flow.ShowTitleSoon();
  } else {
    // A copy of the program under another name carries no game and closes at once; a game
    // that cannot be played says why before it goes.
    if (!unpacked.Ok() && GameIn(Parts.ProgramPath).IsRange())
      Parts.ReportFailure(unpacked.Status());
    Flow.CloseSoon();
  }
}

// The game named on the command line, else the last one, else the bundled one, else an empty
// game. One that cannot be read is reported and the next one tried.
void TGame::StartWithChosenGame(const TStartup &startup) {
  const bool named = !GameFileArgument(startup.Arguments).isEmpty();
  Recent.Start(startup.DataHome, named);
  const TFileCommands::TStartGames games = Files.StartGames(startup.Arguments);
  const auto loaded =
      std::find_if(games.Paths.begin(), games.Paths.end(),
                   [this](const QString &game) { return !Parts.Closing && Parts.LoadGame(game); });
  if (loaded != games.Paths.end()) {
    if (*loaded == games.Named) { // opened from a file manager
      Recent.Keep(*loaded);
      NamedGame = *loaded;
    }
    Flow.ShowTitleSoon();
  } else {
    Parts.Data.FilePath = TGameData::EmptyGamePath();
    Parts.ApplicationTitle = QCoreApplication::translate("TGame", "Empty Game");
    Parts.SetCaption(Parts.ApplicationTitle);
    Parts.View.Overlays().ShowPrompt(true);
  }
}

void TGame::KeyDown(TKeyCode key, bool ctrl) {
  const TPlayerActions actions = Parts.PlayerInput.Keyboard.Bindings.ActionsOf(key);
  if (Commands.Offered(TCommand::PauseGame) && actions.Has(TPlayerAction::Pause))
    Pause.PauseGame();
  if (!Parts.PlayerInput.Keyboard.Enabled() && actions.Has(TPlayerAction::Turn)) {
    // Resume; the key must not also turn the piece.
    Parts.Session.Piece.SwallowResumeKey();
    Parts.ClearInputStates();
    Pause.PauseGame();
    return;
  }
  if (!Parts.View.Overlays().Prompt().Visible && ctrl && key == KeyCode(Qt::Key_L)) {
    Flow.FinishLevel(); // the level skip
  }
}

// The window goes whatever happens: a running game ends without the title screen, and nothing
// on the way may open a box that the close would have to wait for. Only an interactive close
// asks whether to save a changed game.
void TGame::Close(std::optional<QPoint> windowPosition, TCloseKind kind) {
  Parts.Closing = true;
  if (Flow.GameRunning())
    Commands.EndRunningGame();
  if (kind == CloseAsked)
    Files.SaveIfModified(false);
  if (Parts.StandAloneMode && !Parts.MenuItems.Visible(TCommand::MakeExe))
    Parts.ReportFailure(
        Parts.Document.RepackStandAlone(Parts.ProgramPath)); // logged: the window is closing
  Parts.Document.RemoveWorkingFolder();
  Parts.FrameTimer.SetEnabled(false);
  Parts.Settings.Write(Setting::DownKey, Parts.Session.Prefs.DownKey);
  // Closed during start-up (the session ended while a box was open): no game was played and the
  // window never stood anywhere, so the stored game and place stay for the next start.
  if (!Started)
    return;
  if (const QString stored = StoredFileName(Parts.Data.FilePath);
      !Parts.Data.Unsaved && !stored.isEmpty())
    Parts.Settings.Write(Setting::LastGame, stored);
  if (windowPosition) {
    Parts.Settings.Write(Setting::WindowLeft, windowPosition->x());
    Parts.Settings.Write(Setting::WindowTop, windowPosition->y());
  }
}

// The game object: the model and its followers wired together, the frames, start-up in the
// documented order, the keys the window passes on, and the close.
#include "app/Game.h"

#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/FileTypeRegistration.h"
#include "app/GameDialogs.h"
#include "app/WindowPlacement.h"
#include "gamefile/StandAlone.h"
#include "play/Timing.h"
#include "resources/BuiltinPictures.h"
#include "rules/Rounding.h"
#include "settings/SettingsStore.h"
#include "settings/StoredPreferences.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <utility>

namespace {

QImage BuiltinPicture(const char *name) {
  InitBuiltinPictures();
  // Read as the type its name says: a reader that guesses asks every image plugin installed
  // whether it knows the contents, loading each one at start-up.
  const QString file = TranslatedBuiltinName(QString::fromLatin1(name));
  QImageReader reader(QStringLiteral(":/pictures/") + file, file.section('.', -1).toLatin1());
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

TScreenPictures BuiltinScreenPictures() {
  return {BuiltinPicture("Parts.bmp"), BuiltinPicture("Figure.bmp"), BuiltinPicture("Small.bmp"),
          BuiltinPicture("PressSP.png"), BuiltinPicture("PauseL.png")};
}

} // namespace

TGame::TGame(TScheduler &scheduler, TSettingsStore &settings, quint64 randomSeed)
    : Scheduler(scheduler), Settings(settings), View(FormObject, BuiltinScreenPictures()),
      FrameTimer(scheduler), Levels(Document, Messages, !scheduler.IsVirtual()),
      Play(scheduler, KeyTable, Levels, randomSeed),
      Commands(Play, MenuItems, Document, Messages, Sounds, settings),
      ScreenEvents(scheduler, View, Document, Messages, Play),
      HighScores(Document, Play, Sounds, Messages, ScreenEvents), Recent(settings, Messages),
      Files({Play, Document, Levels, ScreenEvents, WindowCaption, Recent, settings, Messages,
             Sounds}) {
  FormObject.setObjectName("MainForm");
  FrameTimer.SetInterval(Timing::FrameInterval);
  FrameTimer.OnTimer = [this](int) { OnFrame(); };
  View.Surface().OnInitialize = [this] { FrameTimer.SetEnabled(true); };
  View.Surface().OnFinalize = [this] { FrameTimer.SetEnabled(false); };
  KeyTable.OnChange = [this] { FrameTimer.WakeUp(); };
  Levels.OnReady = [this] { Play.LevelPictureReady(); };
  for (TGameEvents *follower : std::initializer_list<TGameEvents *>{
           &TraceEvents, &Sounds, &WindowCaption, &Commands, &ScreenEvents, &HighScores, this})
    Play.Subscribe(*follower);
}

TGame::~TGame() {
  View.Piece().Free();
  FrameTimer.SetEnabled(false);
}

void TGame::OnFrame() {
  if (!View.Surface().SurfaceReady())
    return;
  if (Play.GameState() != StateNone)
    ScreenEvents.RefreshIfDirty();
  Play.Frame();
  ScreenEvents.EndFrame();
  switch (Play.FramesNeeded(ScreenEvents.PictureDirty(), View.Surface().Surface().Drawn())) {
  case TGameModel::Sleep:
    FrameTimer.Sleep(); // until a key, a state change or the end of a hold wakes it
    break;
  case TGameModel::Idle:
    FrameTimer.Idle(); // the next frames come with the fall step, the lock delay or a key
    break;
  case TGameModel::Run:
    break;
  }
}

void TGame::CloseWanted() {
  if (OnCloseRequested)
    OnCloseRequested();
}

void TGame::Run(TCommand command) {
  switch (command) {
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
  default:
    return Commands.Run(command);
  }
}

void TGame::Start(const TStartup &startup) {
  ProgramPath = Files.ProgramPath = startup.ProgramPath;
  const QString exeName = QFileInfo(ProgramPath).fileName().toUpper();
  StandAloneMode = Recent.StandAlone = exeName != "QUARRYBOX" && exeName != "QUARRYBOX.EXE";
  Settings.SetStandAlone(StandAloneMode);

  if (!StandAloneMode && !Settings.Read(Setting::OldVersionCopied))
    Settings.CopyFromOldVersion(startup.WindowHandle);
  Settings.Write(Setting::WindowHandle, startup.WindowHandle);

  PlaceWindow(startup);

  Play.Session().Prefs = ReadPlayPreferences(Settings);
  Commands.UseStoredKeysAndVolume();

  Folder = Files.Folder = Recent.Folder = Commands.HelpFolder = DataFolder(ProgramPath);
  ScreenEvents.LevelEndBackdrop = StandAloneMode ? QString() : Folder + "MidPic.jpg";
  const QImage customPrompt = FolderPicture(Folder + "PressSpace.bmp");
  if (!customPrompt.isNull())
    View.Overlays().SetPromptPicture(customPrompt);
  DesktopDataHome = startup.DataHome;
  RegisterFileType = !StandAloneMode && !IsInstalled(ProgramPath);

  View.Surface().Initialize();

  // The option is set to the opposite of the stored state and then clicked, which stores the
  // state again and opens the device.
  Commands.SetSoundOn(!Settings.Read(Setting::SoundOn));
  Commands.ToggleSound();

  Settings.Write(Setting::ProgramPath, ProgramPath);
  Settings.Write(Setting::ProgramVersion, QStringLiteral("2.0"));
  Sounds.Play("StartQRX");

  if (StandAloneMode)
    StartStandAlone();
  else
    StartWithChosenGame(startup);
  Commands.UpdateMenu();
  Started = true;
}

void TGame::TellDesktop() {
  if (std::exchange(RegisterFileType, false))
    RegisterGameFileType(DesktopDataHome, ProgramPath, Folder);
  if (const QString game = std::exchange(NamedGame, {}); !game.isEmpty())
    Recent.NoteOnDesktop(game);
}

// Where the window was left, else centred; always on a screen that exists now.
void TGame::PlaceWindow(const TStartup &startup) {
  Position.setX(Settings.Read(Setting::WindowLeft)
                    .value_or(RoundHalfEven(
                        (startup.ScreenSize.width() - startup.WindowSize.width()) / 2.0)));
  Position.setY(Settings.Read(Setting::WindowTop)
                    .value_or(RoundHalfEven(
                        (startup.ScreenSize.height() - startup.WindowSize.height()) / 2.0)));
  Position = KeepOnScreen(Position, startup.WindowSize, startup.ScreenAreas);
}

// A stand-alone game plays the game it carries, or closes.
void TGame::StartStandAlone() {
  const TResult<QString> unpacked = Document.UnpackStandAlone(ProgramPath);
  if (unpacked.Ok() && Files.Load(unpacked.Value())) {
    // One game and nothing to author: File keeps Exit, and Help goes.
    for (TCommand command :
         {TCommand::OpenGame, TCommand::OpenRecent, TCommand::GamesGallery,
          TCommand::DownloadMoreGames, TCommand::CreateGame, TCommand::EditGame, TCommand::MakeExe,
          TCommand::SaveGame, TCommand::SaveGameAs, TCommand::HelpTopic, TCommand::About})
      MenuItems.SetVisible(command, false);
    Play.ShowTitleSoon();
  } else {
    // A copy of the program under another name carries no game and closes at once; a game
    // that cannot be played says why before it goes.
    if (!unpacked.Ok() && GameIn(ProgramPath).IsRange())
      Messages.ReportFailure(unpacked.Status());
    Play.CloseSoon();
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
                   [this](const QString &game) { return !Messages.Closing && Files.Load(game); });
  if (loaded != games.Paths.end()) {
    if (*loaded == games.Named) { // opened from a file manager
      Recent.Keep(*loaded);
      NamedGame = *loaded;
    }
    Play.ShowTitleSoon();
  } else {
    Files.UseEmptyGame();
  }
}

void TGame::WindowActive(bool active) {
  FrameTimer.SetApplicationActive(active);
  Play.Pause().WindowActive(active);
  if (!Commands.Offered(TCommand::PauseGame)) {
    WindowCaption.SetAway(!active);
    return;
  }
  // A running game pauses as soon as it may, unless one of its own windows took the focus.
  if (!active && !(Messages.Dialogs && Messages.Dialogs->AnyVisible()) && !Play.Pause().Paused())
    Play.Pause().Request();
}

void TGame::KeyDown(TKeyCode key, bool ctrl) {
  const TPlayerActions actions = Play.Input().Keyboard.Bindings.ActionsOf(key);
  if (Play.KeyDown(actions, Commands.Offered(TCommand::PauseGame)))
    return;
  if (!View.Overlays().Prompt().Visible && ctrl && key == KeyCode(Qt::Key_L))
    Play.FinishLevel(); // the level skip
}

// The window goes whatever happens: a running game ends without the title screen, and nothing
// on the way may open a box that the close would have to wait for. Only an interactive close
// asks whether to save a changed game.
void TGame::Close(std::optional<QPoint> windowPosition, TCloseKind kind) {
  Messages.Closing = true;
  if (Play.GameRunning())
    Play.EndRunningGame();
  if (kind == CloseAsked)
    Files.SaveIfModified(false);
  if (StandAloneMode && !MenuItems.Visible(TCommand::MakeExe))
    Messages.ReportFailure(Document.RepackStandAlone(ProgramPath)); // logged: the window is closing
  Document.RemoveWorkingFolder();
  FrameTimer.SetEnabled(false);
  Settings.Write(Setting::DownKey, Play.Session().Prefs.DownKey);
  // Closed during start-up (the session ended while a box was open): no game was played and the
  // window never stood anywhere, so the stored game and place stay for the next start.
  if (!Started)
    return;
  if (const QString stored = StoredFileName(Document.Game.FilePath);
      !Document.Game.Unsaved && !stored.isEmpty())
    Settings.Write(Setting::LastGame, stored);
  if (windowPosition) {
    Settings.Write(Setting::WindowLeft, windowPosition->x());
    Settings.Write(Setting::WindowTop, windowPosition->y());
  }
}

// The game object: start-up in the documented order, opening the start game, reports to the
// player, the caption, sound, activation, the hand-over from a second start, and the keys the
// window passes on. The frame loop is in FrameLoop.cpp, the screens of a level in LevelFlow.cpp.
#include "app/Game.h"

#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/FileTypeRegistration.h"
#include "app/GameDialogs.h"
#include "app/GameSound.h"
#include "app/Timing.h"
#include "app/Trace.h"
#include "app/WindowPlacement.h"
#include "media/VirtualKeys.h"
#include "pictures/PictureDecoder.h"
#include "resources/BuiltinPictures.h"
#include "rules/Rounding.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QImageReader>

namespace {

QImage BuiltinPicture(const char *name) {
  InitBuiltinPictures();
  // Read as the type its name says: a reader that guesses asks every image plugin installed
  // whether it knows the contents, loading each one at start-up.
  const QString file = QString::fromLatin1(name);
  QImageReader reader(QStringLiteral(":/pictures/") + file, file.section('.', -1).toLatin1());
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

TScreenPictures BuiltinScreenPictures() {
  return {BuiltinPicture("Parts.bmp"), BuiltinPicture("Figure.bmp"), BuiltinPicture("Small.bmp"),
          BuiltinPicture("PressSP.png"), BuiltinPicture("PauseL.png")};
}

// Why a named game is not the one that opens.
QString CannotOpenMessage(const QString &path) {
  const char *why =
      QFileInfo::exists(path) ? QT_TRANSLATE_NOOP("TGame", "it is not a file.")
      : path.contains(QChar::ReplacementCharacter)
          ? QT_TRANSLATE_NOOP(
                "TGame", "its name is not UTF-8 text, so only a start with that name opens it.")
          : QT_TRANSLATE_NOOP("TGame", "there is no such file.");
  return QCoreApplication::translate("TGame", "The game \"%1\" cannot be opened: %2")
      .arg(path, QCoreApplication::translate("TGame", why));
}

} // namespace

TGame::TGame(TScheduler &scheduler, TSettingsStore &settings, quint64 randomSeed)
    : Scheduler(scheduler), Settings(settings), View(FormObject, BuiltinScreenPictures()),
      PlayerInput(KeyTable), FrameTimer(scheduler), DownTimer(scheduler, Timing::FirstFallInterval),
      LockDelayTimer(scheduler, Timing::LockDelay), SpeedTimer(scheduler, Timing::SpeedUpPeriod),
      FlashTimer(scheduler, Timing::FlashInterval), RepaintTimer(scheduler, Timing::RepaintDelay),
      NoFlashTimer(scheduler, Timing::NoFlashDelay),
      EndLevelTimer(scheduler, Timing::EndLevelDelay), TitleTimer(scheduler, Timing::TitleDelay),
      PauseTimer(scheduler, Timing::PausePoll), ExitTimer(scheduler, Timing::ExitDelay),
      Session(randomSeed), LevelPictures(!scheduler.IsVirtual()) {
  FormObject.setObjectName("MainForm");
  FrameTimer.SetInterval(Timing::FrameInterval);
  FrameTimer.OnTimer = [this](int lag) { OnFrame(lag); };
  View.Surface().OnInitialize = [this] { FrameTimer.SetEnabled(true); };
  View.Surface().OnFinalize = [this] { FrameTimer.SetEnabled(false); };
  TitleTimer.OnTimer = [this] { OnTitleTimer(); };
  EndLevelTimer.OnTimer = [this] { OnEndLevelTimer(); };
  ExitTimer.OnTimer = [this] { OnExitTimer(); };
  DownTimer.OnTimer = [this] { OnDownTimer(); };
  SpeedTimer.OnTimer = [this] { OnSpeedTimer(); };
  FlashTimer.OnTimer = [this] { OnFlashTimer(); };
  NoFlashTimer.OnTimer = [this] { OnNoFlashTimer(); };
  RepaintTimer.OnTimer = [this] { OnRepaintTimer(); };
  LockDelayTimer.OnTimer = [this] {
    // A failing landing must never take the game down; it is simply not finished.
    try {
      LandPiece();
    } catch (const std::exception &) {
    }
  };
  PauseTimer.OnTimer = [this] { OnPauseTimer(); };
  Session.Piece.PlaySound = [this](const QString &name) { PlaySound(name); };
  KeyTable.OnChange = [this] { FrameTimer.WakeUp(); };
  LevelPictures.OnReady = [this] {
    if (StartWaits && State == StatePlaying)
      StartLevel();
  };
}

TGame::~TGame() {
  EndPiece();
  Stop();
}

// ---- start-up ---------------------------------------------------------------------------

void TGame::Start(const TStartup &startup) {
  Session.Status.Suspended = false;
  StopAccepted = true;

  ProgramPath = startup.ProgramPath;
  const QString exeName = QFileInfo(ProgramPath).fileName().toUpper();
  StandAloneMode = exeName != "QUARRYBOX" && exeName != "QUARRYBOX.EXE";
  Settings.SetStandAlone(StandAloneMode);

  if (!StandAloneMode && Settings.ReadSetting("OLDRegCopied") != "YES")
    Settings.CopyFromOldVersion(startup.WindowHandle);
  Settings.WriteSetting("QRXHandle", startup.WindowHandle);

  Data = TGameData();
  Data.CurrentLevel = 0;
  GameRunning = TitleShown = false;

  bool ok = false;
  const int left = Settings.ReadSetting("QuarryboxLeft").toInt(&ok);
  Position.setX(
      ok ? left : RoundHalfEven((startup.ScreenSize.width() - startup.WindowSize.width()) / 2.0));
  const int top = Settings.ReadSetting("QuarryboxTop").toInt(&ok);
  Position.setY(
      ok ? top : RoundHalfEven((startup.ScreenSize.height() - startup.WindowSize.height()) / 2.0));
  Position = KeepOnScreen(Position, startup.WindowSize, startup.ScreenAreas);

  Session.Prefs =
      TPlayPreferences::Read([this](const QString &n) { return Settings.ReadSetting(n); });

  Folder = DataFolder(ProgramPath);
  const QImage customPrompt = FolderPicture(Folder + "PressSpace.bmp");
  if (!customPrompt.isNull())
    View.Overlays().SetPromptPicture(customPrompt);
  if (!StandAloneMode && !IsInstalled(ProgramPath))
    RegisterGameFileType(startup.DataHome, ProgramPath, Folder);

  View.Surface().Initialize();

  // The option is set to the opposite of the stored state and then clicked, which stores the
  // state again and opens the device.
  const QString soundState = Settings.ReadSetting("SoundState");
  SetSoundOn(!(soundState.isEmpty() || soundState == "ON"));
  ToggleSound();

  Settings.WriteSetting("QuarryboxPath", ProgramPath);
  Settings.WriteSetting("QuarryboxVer", "2.0");
  PlaySound("StartQRX");

  if (StandAloneMode) {
    const TResult<QString> unpacked = Document.UnpackStandAlone(ProgramPath);
    if (unpacked.Ok() && LoadGame(unpacked.Value())) {
      // One game and nothing to author: File keeps Exit, and Help goes.
      for (TCommand command :
           {TCommand::OpenGame, TCommand::DownloadMoreGames, TCommand::CreateGame,
            TCommand::EditGame, TCommand::MakeExe, TCommand::SaveGame, TCommand::SaveGameAs,
            TCommand::HelpTopic, TCommand::About})
        MenuItems.SetVisible(command, false);
      TitleTimer.SetEnabled(true);
    } else {
      ExitTimer.SetEnabled(true); // no game of its own: close after the usual delay
    }
    UpdateMenu();
    return;
  }

  const QString game = ChooseStartGame(startup.Arguments);
  if (!game.isEmpty() && LoadGame(game)) {
    TitleTimer.SetEnabled(true);
  } else {
    Data.FilePath = TGameData::EmptyGamePath();
    ApplicationTitle = QCoreApplication::translate("TGame", "Empty Game");
    SetCaption(ApplicationTitle);
    View.Overlays().ShowPrompt(true);
  }
  UpdateMenu();
}

QString TGame::ChooseStartGame(const QStringList &arguments) {
  const QString commandLine = GameFileArgument(arguments);
  if (!commandLine.isEmpty()) {
    const QFileInfo named(commandLine);
    if (named.isFile())
      return named.absoluteFilePath();
    // The player asked for this game: say why it is not the one that opens.
    Report(CannotOpenMessage(commandLine));
  }
  const QString last = OpenStoredFileName(Settings.ReadSetting("LastGame"));
  if (!last.isEmpty() && QFileInfo(last).isFile())
    return last;
  const QString bundled = Folder + "Games/Default.qbx";
  if (QFileInfo(bundled).isFile())
    return bundled;
  return QString();
}

bool TGame::LoadGame(const QString &path) {
  QString scoresProblem;
  const TStatus read = Document.Open(path, scoresProblem);
  if (!read.Ok()) {
    Report(read.Error());
    return false;
  }
  if (!scoresProblem.isEmpty())
    Report(scoresProblem);
  LevelPictures.Drop();
  View.Blank();
  SetGameCaption();
  return true;
}

void TGame::ReportFailure(const TStatus &status) {
  if (!status.Ok())
    Report(status.Error());
}

void TGame::Report(const QString &text) {
  Trace::Event("message", "Message||" + text + '|');
  if (Closing) {
    qWarning().noquote() << text;
    return;
  }
  if (Dialogs)
    Dialogs->ShowMessageBox("", text, "");
}

QImage TGame::LoadPicture(const QString &path, int type) const {
  return TPictureDecoder().DecodeFile(path, quint8(type)).Image;
}

void TGame::Stop() { FrameTimer.SetEnabled(false); }

void TGame::SetGameCaption() {
  QString name = ShownFileName(Data.FilePath);
  name.chop(4);
  ApplicationTitle = "Quarrybox - " + name;
  SetCaption(ApplicationTitle);
}

void TGame::SetCaption(const QString &text) {
  if (text == CaptionText)
    return;
  CaptionText = text;
  Trace::Event("caption", text);
  if (OnCaptionChanged)
    OnCaptionChanged();
}

void TGame::PlaySound(const QString &name) {
  if (!SoundOn || !Sound)
    return;
  Sound->Play(name);
  Trace::Event("sound", name);
}

// ---- activation, hand-over, keys, menu --------------------------------------------------

void TGame::Deactivated() {
  Session.Status.Suspended = true;
  FrameTimer.SetApplicationActive(false);
  if (Offered(TCommand::PauseGame)) {
    // A running game pauses as soon as it may, unless one of its own windows took the focus.
    if (!(Dialogs && Dialogs->AnyVisible()) && !Paused())
      PauseTimer.SetEnabled(true);
  } else {
    SetCaption(QCoreApplication::translate("TGame", "%1 [Away]").arg(ApplicationTitle));
  }
}

void TGame::Activated() {
  Session.Status.Suspended = false;
  FrameTimer.SetApplicationActive(true);
  FrameTimer.WakeUp();
  if (!Offered(TCommand::PauseGame))
    SetCaption(ApplicationTitle);
}

void TGame::MenuOpened() { Session.Status.Suspended = true; }

void TGame::MenuClosed() { SetSuspended(Paused()); }

void TGame::SetSuspended(bool on) {
  Session.Status.Suspended = on;
  if (!on)
    FrameTimer.WakeUp();
}

void TGame::OpenGameMessage() {
  if (!TitleShown)
    return;
  const QString path = Settings.ReadSetting("NewQBXFile");
  if (path.isEmpty())
    return;
  if (!QFileInfo(path).isFile()) {
    Report(CannotOpenMessage(path));
    return;
  }
  // An edited game is not lost to a double-clicked one: the same questions as Open.
  if (!LeaveCurrentGame())
    return;
  Document.DeleteWorkingPictures();
  if (LoadGame(QFileInfo(path).absoluteFilePath()))
    TitleTimer.SetEnabled(true);
}

void TGame::KeyDown(int virtualKey, bool ctrl) {
  if (Offered(TCommand::PauseGame) && (virtualKey == Vk::P || virtualKey == Vk::Pause))
    PauseGame();
  if (!PlayerInput.Keyboard.Enabled() && (virtualKey == Vk::Up || virtualKey == Vk::Numpad8)) {
    // Resume; the key must not also turn the piece.
    Session.Piece.SwallowResumeKey();
    ClearInputStates();
    PauseGame();
    return;
  }
  if (!View.Overlays().Prompt().Visible && ctrl && virtualKey == Vk::L) {
    FinishLevel(); // the level skip
  }
}

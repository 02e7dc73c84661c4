#include "app/Game.h"

#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/FileTypeRegistration.h"
#include "app/GameDialogs.h"
#include "app/GameSound.h"
#include "app/Timing.h"
#include "app/Trace.h"
#include "app/WindowPlacement.h"
#include "media/GameImageList.h"
#include "media/MediaError.h"
#include "play/PartSprite.h"
#include "play/PictureDecoder.h"
#include "play/Points.h"
#include "play/Rounding.h"
#include "play/Speed.h"
#include "resources/BuiltinPictures.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QPainter>

namespace {

QImage BuiltinPicture(const char *name) {
  InitBuiltinPictures();
  return QImage(QStringLiteral(":/pictures/") + name);
}

// Why a named game is not the one that opens.
QString CannotOpenMessage(const QString &path) {
  const char *why = QFileInfo::exists(path) ? "it is not a file."
                    : path.contains(QChar::ReplacementCharacter)
                        ? "its name is not UTF-8 text, so only a start with that name opens it."
                        : "there is no such file.";
  return QStringLiteral("The game \"%1\" cannot be opened: %2").arg(path, why);
}

} // namespace

TGame::TGame(TScheduler &scheduler, TSettingsStore &settings, quint64 randomSeed)
    : Scheduler(scheduler), Settings(settings), DXDraw(&FormObject), ImageList2(&DXDraw),
      SpriteEngine(DXDraw), DXInput(KeyTable), DXTimer(scheduler),
      DownTimer(scheduler, Timing::FirstFallInterval), DeadTimer(scheduler, Timing::LockDelay),
      SpeedTimer(scheduler, Timing::SpeedUpPeriod), FlashTimer(scheduler, Timing::FlashInterval),
      RepaintTimer(scheduler, Timing::RepaintDelay), NoFlashTimer(scheduler, Timing::NoFlashDelay),
      EndLevelTimer(scheduler, Timing::EndLevelDelay), TitleTimer(scheduler, Timing::TitleDelay),
      PauseTimer(scheduler, Timing::PausePoll), ExitTimer(scheduler, Timing::ExitDelay),
      LevelPictures(!scheduler.IsVirtual()), Random(randomSeed),
      Falling(Well, DXInput, DXDraw, DeadTimer, PlayStatus, Prefs) {
  FormObject.setObjectName("MainForm");
  DXTimer.SetInterval(Timing::FrameInterval);
  DXTimer.OnTimer = [this](int lag) { DXTimerTimer(lag); };
  DXDraw.OnInitialize = [this] { DXTimer.SetEnabled(true); };
  DXDraw.OnFinalize = [this] { DXTimer.SetEnabled(false); };
  TitleTimer.OnTimer = [this] { TitleTimerTimer(); };
  EndLevelTimer.OnTimer = [this] { EndLevelTimerTimer(); };
  ExitTimer.OnTimer = [this] { ExitTimerTimer(); };
  DownTimer.OnTimer = [this] { DownTimerTimer(); };
  SpeedTimer.OnTimer = [this] { SpeedTimerTimer(); };
  FlashTimer.OnTimer = [this] { FlashTimerTimer(); };
  NoFlashTimer.OnTimer = [this] { NoFlashTimerTimer(); };
  RepaintTimer.OnTimer = [this] { RepaintTimerTimer(); };
  DeadTimer.OnTimer = [this] {
    // A failing landing must never take the game down; it is simply not finished.
    try {
      LandPiece();
    } catch (const std::exception &) {
    }
  };
  PauseTimer.OnTimer = [this] { PauseTimerTimer(); };
  Falling.PlaySound = [this](const QString &name) { PlaySound(name); };
  KeyTable.OnChange = [this] { DXTimer.WakeUp(); };
  LevelPictures.OnReady = [this] {
    if (StartWaits && State == StatePlaying)
      StartLevel();
  };

  const QImage parts = BuiltinPicture("Parts.bmp");
  for (int k = 0; k < 8; ++k)
    BlockPictures[size_t(k)] = parts.copy((k % 4) * 18, (k / 4) * 18, 18, 18);
  FillGameImageList(ImageList2, BuiltinPicture("Figure.bmp"), BuiltinPicture("Small.bmp"));
  Prompt.Picture = BuiltinPicture("PressSP.png");
  PauseBanner.Picture = BuiltinPicture("PauseL.png");
  PauseBanner.Position = QPoint(RoundHalfEven((600 - 474) / 2.0), RoundHalfEven((400 - 121) / 2.0));
}

TGame::~TGame() {
  Falling.Free();
  FormDestroy();
}

// ---- start-up ---------------------------------------------------------------------------

void TGame::FormCreate(const TStartup &startup) {
  PlayStatus.Suspended = false;
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

  Prefs = TPlayPreferences::Read([this](const QString &n) { return Settings.ReadSetting(n); });

  Folder = DataFolder(ProgramPath);
  const QImage customPrompt = FolderPicture(Folder + "PressSpace.bmp");
  if (!customPrompt.isNull())
    Prompt.Picture = customPrompt;
  if (!StandAloneMode && !IsInstalled(ProgramPath))
    RegisterGameFileType(startup.DataHome, ProgramPath, Folder);

  DXDraw.Initialize();

  // The option is set to the opposite of the stored state and then clicked, which stores the
  // state again and opens the device.
  const QString soundState = Settings.ReadSetting("SoundState");
  SetSoundOn(!(soundState.isEmpty() || soundState == "ON"));
  OptionSoundClick();

  Settings.WriteSetting("QuarryboxPath", ProgramPath);
  Settings.WriteSetting("QuarryboxVer", "2.0");
  PlaySound("StartQRX");

  if (StandAloneMode) {
    const TResult<QString> unpacked = Document.UnpackStandAlone(ProgramPath);
    if (unpacked.Ok() && LoadGame(unpacked.Value())) {
      for (const char *item : {"Open1", "DownloadMoreGames1", "N5", "New1", "EditGame1", "N6",
                               "MakeExe1", "N3", "Save1", "SaveAs1", "N1", "HelpTopic1", "Help1"})
        MenuItems.SetVisible(item, false);
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
    ApplicationTitle = "Empty Game";
    SetCaption("Empty Game");
    ShowPrompt(true);
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
  const QString last = Settings.ReadSetting("LastGame");
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
  Screen.Picture().fill(Qt::black);
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

void TGame::FormDestroy() { DXTimer.SetEnabled(false); }

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

void TGame::RepaintWindowPicture() {
  ShownPictureKey = Screen.Picture().cacheKey();
  if (OnWindowPictureChanged)
    OnWindowPictureChanged();
}

void TGame::ShowPrompt(bool on) {
  if (Prompt.Visible == on)
    return;
  Prompt.Visible = on;
  if (OnOverlaysChanged)
    OnOverlaysChanged();
}

void TGame::PlaySound(const QString &name) {
  if (!SoundOn || !Sound)
    return;
  Sound->Play(name);
  Trace::Event("sound", name);
}

// ---- activation, hand-over, keys, menu --------------------------------------------------

void TGame::AppDeactivate() {
  PlayStatus.Suspended = true;
  DXTimer.SetApplicationActive(false);
  if (Offered(TCommand::PauseGame)) {
    // A running game pauses as soon as it may, unless one of its own windows took the focus.
    if (!(Dialogs && Dialogs->AnyVisible()) && !Paused())
      PauseTimer.SetEnabled(true);
  } else {
    SetCaption(ApplicationTitle + " [Away]");
  }
}

void TGame::AppActivate() {
  PlayStatus.Suspended = false;
  DXTimer.SetApplicationActive(true);
  DXTimer.WakeUp();
  if (!Offered(TCommand::PauseGame))
    SetCaption(ApplicationTitle);
}

void TGame::MenuOpened() { PlayStatus.Suspended = true; }

void TGame::MenuClosed() { SetSuspended(Paused()); }

void TGame::SetSuspended(bool on) {
  PlayStatus.Suspended = on;
  if (!on)
    DXTimer.WakeUp();
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
  Document.DeleteWorkingPictures();
  if (LoadGame(QFileInfo(path).absoluteFilePath()))
    TitleTimer.SetEnabled(true);
}

void TGame::FormKeyDown(int virtualKey, bool ctrl) {
  constexpr int KeyP = 80, KeyPause = 19, KeyUp = 38, KeyNumpad8 = 104, KeyL = 76;
  if (Offered(TCommand::PauseGame) && (virtualKey == KeyP || virtualKey == KeyPause))
    GamePauseClick();
  if (!DXInput.Keyboard.Enabled() && (virtualKey == KeyUp || virtualKey == KeyNumpad8)) {
    // Resume; the key must not also turn the piece.
    Falling.ResumeKeyPending = true;
    Falling.RotateAcwRequest = false;
    ClearInputStates();
    GamePauseClick();
    return;
  }
  if (!Prompt.Visible && ctrl && virtualKey == KeyL) {
    FinishLevel(); // the level skip
  }
}

// ---- frame loop and state machine -------------------------------------------------------

void TGame::DXTimerTimer(int lagCount) {
  Q_UNUSED(lagCount);
  if (!DXDraw.SurfaceReady())
    return;
  DXInput.Update();
  switch (State) {
  case StateTitle:
    TitleFrame();
    break;
  case StatePlaying:
    PlayingFrame();
    break;
  case StateGameOver:
    GameOverFrame();
    break;
  case StateLevelEnd:
    LevelEndFrame();
    break;
  case StateNone:
    break;
  }
  // Whatever drew on the window picture since it was last shown (a landing's score line, the
  // NEXT box) is shown in this same frame.
  if (Screen.Picture().cacheKey() != ShownPictureKey)
    RepaintWindowPicture();
  DXDraw.Flip();
  if (NothingMoves())
    DXTimer.Sleep(); // until a key, a state change or the end of a hold wakes it
  else if (PieceAtRest())
    DXTimer.Idle(); // the next frames come with the fall step, the lock delay or a key
}

// The next frames would find nothing to do: no piece moves (none is played, or a pause, menu
// or dialog holds it still), nothing waits to be shown and no key is held.
bool TGame::NothingMoves() const {
  return (State != StatePlaying || PlayStatus.Suspended) && !PlayStatus.NewPieceDue &&
         !PlayStatus.PictureDirty && Screen.Picture().cacheKey() == ShownPictureKey &&
         DXInput.States().none();
}

// A piece is played, but until a timer (the fall step, the lock delay) or a key asks for
// something the frames would draw nothing.
bool TGame::PieceAtRest() const {
  const TFallingPiece &p = Falling;
  return State == StatePlaying && !PlayStatus.NewPieceDue && !PlayStatus.PictureDirty &&
         Screen.Picture().cacheKey() == ShownPictureKey && !DXDraw.Surface().Drawn() &&
         DXInput.States().none() && !p.StepDue && !p.DropRequest && !p.MoveLeftRequest &&
         !p.MoveRightRequest && !p.RotateCwRequest && !p.RotateAcwRequest && !p.SlidingLeft &&
         !p.SlidingRight && !p.SteppingDown && !p.ResumeKeyPending;
}

void TGame::SetGameState(TGameState state) {
  for (int s = InputButton1; s <= InputButton32; ++s)
    DXInput.Remove(static_cast<TInputState>(s));
  State = state;
  Trace::Event("state", QString::number(state));
  DXTimer.WakeUp();

  if (state == StateNone)
    return;
  UpdateMenu();
  EnterState(state);
}

void TGame::UpdateMenu() {
  for (TCommand command : AllCommands)
    MenuItems.SetEnabled(MenuItemName(command), Offered(command));
}

bool TGame::Offered(TCommand command) const {
  return CommandEnabled(command, State, Data.LevelCount());
}

void TGame::EnterState(TGameState state) {
  switch (state) {
  case StateTitle:
    ShowTitle();
    break;
  case StatePlaying:
    StartLevel();
    break;
  case StateGameOver:
    ShowGameOver();
    break;
  case StateLevelEnd:
    ShowLevelEnd();
    break;
  case StateNone:
    break;
  }
}

void TGame::RefreshIfDirty() {
  if (!PlayStatus.PictureDirty)
    return;
  PlayStatus.PictureDirty = false;
  RepaintWindowPicture();
}

void TGame::TitleFrame() {
  RefreshIfDirty();
  if (DXInput.Has(InputButton1) && Data.LevelCount() > 0) {
    PlaySound("Dialog");
    SetGameState(StatePlaying);
  }
}

void TGame::PlayingFrame() {
  RefreshIfDirty();
  if (PlayStatus.NewPieceDue) {
    PlayStatus.NewPieceDue = false;
    if (TPictureCollectionItem *figure = ImageList2.Find("Figure"))
      Falling.Create(SpriteEngine.Engine(), *figure);
    PlayStatus.PauseAllowed = true;
    Trace::Event("piece", QStringLiteral("%1 %2,%3")
                              .arg(Falling.CurrentPieceType)
                              .arg(PictureCells.TargetCellCol())
                              .arg(PictureCells.TargetCellRow()));
    bool noRoom = false;
    for (const TPartSprite *b : Falling.PieceBlocks)
      noRoom = noRoom || !Well.SquareFree(b->Col, b->Row - 1);
    if (noRoom) {
      EndPiece();
      PlaySound("EndGame");
      EndGame(false);
      return;
    }
    if (PictureCells.TargetHidden()) {
      PictureCells.DrawCellGrid(Screen.Picture(), false, Random);
      RepaintWindowPicture();
      if (FlashAllowed)
        FlashTimer.SetEnabled(true);
    }
  }
  SpriteEngine.Move(16);
  SpriteEngine.RemoveDead();
  // Drawing the blocks again where they already stand, over an unchanged surface, would leave
  // every pixel as it is: such a frame draws (and so presents) nothing.
  const TPieceFrame frame = PieceFrame();
  if (!DXDraw.Surface().Drawn() && frame == LastPieceFrame)
    return;
  LastPieceFrame = frame;
  SpriteEngine.Draw();
  DXDraw.Surface().ReleaseCanvas();
  if (PlayStatus.PieceActive)
    for (TPartSprite *b : Falling.PieceBlocks)
      b->DrawSelf();
}

TGame::TPieceFrame TGame::PieceFrame() const {
  TPieceFrame frame;
  if (!PlayStatus.PieceActive)
    return frame;
  frame.Picture = CurrentBlockPicture.cacheKey();
  for (size_t i = 0; i < 4; ++i)
    frame.Positions[i] = Falling.PieceBlocks[i]->BoundsRect().topLeft();
  return frame;
}

void TGame::GameOverFrame() {
  RefreshIfDirty();
  if (DXInput.Has(InputButton1)) {
    PlaySound("Dialog");
    SetGameState(StateTitle);
  }
}

void TGame::LevelEndFrame() {
  RefreshIfDirty();
  if (DXInput.Has(InputButton1) && Data.LevelCount() > 0) {
    PlaySound("Dialog");
    Data.CurrentLevel += 1;
    LevelEnded();
  }
}

// After a level: the next one, or the end of the game after the last.
void TGame::LevelEnded() {
  if (Data.CurrentLevel > Data.LevelCount()) {
    EndGame(true);
  } else {
    SetGameState(StatePlaying);
  }
}

void TGame::EndPiece() { Falling.Free(); }

void TGame::FinishLevel() {
  EndPiece();
  PlaySound("EndLevel");
  PlayStatus.Score += LevelPoints;
  DownTimer.SetEnabled(false);
  PlayStatus.AllLevelsDone = false;
  SetGameState(StateLevelEnd);
}

// allLevelsDone: every level was played; otherwise the stack reached the top.
void TGame::EndGame(bool allLevelsDone) {
  PlayStatus.AllLevelsDone = allLevelsDone;
  Data.CurrentLevel = 1;
  DownTimer.SetEnabled(false);
  SetGameState(StateGameOver);
}

void TGame::TitleTimerTimer() {
  TitleTimer.SetEnabled(false);
  SetGameState(StateTitle);
}

void TGame::EndLevelTimerTimer() {
  EndLevelTimer.SetEnabled(false);
  FinishLevel();
}

void TGame::ExitTimerTimer() {
  ExitTimer.SetEnabled(false);
  if (OnCloseRequested)
    OnCloseRequested();
}

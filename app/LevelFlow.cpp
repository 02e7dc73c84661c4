// The game's screens and the course of a level: title, level start with its picture cells and
// play screen, the choice of the next piece, the level end and game-over pictures, and the
// timers that belong to a level.
#include "app/CommandLine.h"
#include "app/Game.h"

#include "app/DataFolder.h"
#include "app/GameDialogs.h"
#include "app/Timing.h"
#include "app/Trace.h"
#include "gamefile/HighScores.h"
#include "play/Speed.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>

namespace {

TLevelPictureRequest PictureOf(const TLevel &level) {
  return {level.Path, quint8(level.Type), level.GridSize};
}

} // namespace

// A skin that cannot be decoded leaves the picture as it was.
void TGame::DrawSkin(const TSkin &skin) {
  const QImage picture = LoadPicture(skin.Path, skin.Type);
  if (!picture.isNull())
    Screen.DrawSkin(picture, skin.Stretch);
}

void TGame::ShowTitle() {
  PlayStatus.NewPieceDue = PlayStatus.AllLevelsDone = PlayStatus.PieceActive = false;
  ReportFailure(Document.CopyOutSkin(TGameDocument::StartSkin));
  DXDraw.SetLeft(-600);
  if (Data.LevelCount() > 0)
    DrawSkin(Data.StartSkin);
  RepaintWindowPicture();
  ShowPrompt(true);
  PlayStatus.PictureDirty = true;
  TitleShown = true;
  PrefetchLevelPicture(std::max(Data.CurrentLevel, 1));
}

bool TGame::BuildPictureCells() {
  const int index = Data.CurrentLevel - 1;
  if (index < 0 || index >= Data.LevelCount())
    return false;
  // A picture decoded ahead has been copied out already.
  if (!LevelPictures.Requested(PictureOf(Data.Levels[index]))) {
    if (const TStatus copied = Document.CopyOutLevel(Data.CurrentLevel); !copied.Ok()) {
      Report(copied.Error());
      return false;
    }
  }
  const TLevel &level = Data.Levels[index];
  const TLevelPicture picture = LevelPictures.Take(PictureOf(level));
  const QString why =
      !picture.Decoded.Ok() ? picture.Decoded.Reason
      : !PictureCells.Build(picture.Decoded.Image, level.GridSize, picture.OriginalSize)
          ? QStringLiteral("its picture cannot be cut into cells")
          : QString();
  if (!why.isEmpty()) {
    Report(QStringLiteral("Level %1 of %2 cannot be shown: %3. The level is skipped.")
               .arg(Data.CurrentLevel)
               .arg(ShownFileName(Data.FilePath), why));
    return false;
  }
  return true;
}

// While a prompt shows, the picture of the level that the start key starts is copied out and
// decoded off the window thread. What goes wrong is left to the level start to report.
void TGame::PrefetchLevelPicture(int level) {
  LevelPictures.Drop();
  if (!LevelPictures.Background() || level < 1 || level > Data.LevelCount())
    return;
  if (!Document.CopyOutLevel(level).Ok())
    return;
  LevelPictures.Request(PictureOf(Data.Levels[level - 1]));
}

void TGame::StartLevel() {
  // The start key came before the picture was decoded: the level starts once it is (OnReady),
  // and the window goes on drawing and answering meanwhile.
  StartWaits = LevelPictures.Busy();
  if (StartWaits)
    return;
  FlashAllowed = true;
  Falling.ResumeKeyPending = false;
  PlaySound("EnterGame");
  ReportFailure(Document.CopyOutSkin(TGameDocument::PlayingSkin));
  PlayStatus.LevelComplete = false;
  ShowPrompt(false);
  Falling.ResetMotion();
  Well.Empty();
  if (Data.CurrentLevel == 1)
    PlayStatus.Score = 0;
  // A level whose picture cannot be used could never end: it is skipped with a message.
  while (!BuildPictureCells()) {
    Data.CurrentLevel += 1;
    if (Data.CurrentLevel > Data.LevelCount()) {
      EndGame(true);
      return;
    }
  }
  Trace::Event("level", QStringLiteral("%1/%2").arg(Data.CurrentLevel).arg(Data.LevelCount()));
  ComposeLevelScreen();

  Random.Reseed(Scheduler.Now());
  Falling.CurrentPieceType = Random.Random(7);
  NextType = Random.Random(7);
  PrepareNextPiece();
  DrawNextPiece();
  RepaintWindowPicture();
  if (PictureCells.TargetHidden()) {
    PictureCells.DrawCellGrid(Screen.Picture(), false, Random);
    if (FlashAllowed)
      FlashTimer.SetEnabled(true);
  }
  GameRunning = true;
  TitleShown = false;
  Falling.StepDue = true;
  DownTimer.SetEnabled(true);
  PlayStatus.NewPieceDue = PlayStatus.PictureDirty = PlayStatus.PauseAllowed = true;
  DrawScore();
  DXTimer.WakeUp(); // also when the level starts late, once its picture is decoded
}

void TGame::ComposeLevelScreen() {
  RepaintWindowPicture();
  const QImage skin = LoadPicture(Data.PlayingSkin.Path, Data.PlayingSkin.Type);
  Screen.ComposeBackground(skin, Data.PlayingSkin.Stretch);
  Falling.PlayFieldBackground = Screen.PlayFieldBackground();
  RepaintWindowPicture();
  PictureCells.DrawCellGrid(Screen.Picture(), true, Random);
  Screen.DrawPanelFrames(Data);
  Screen.DrawLevelCounter(Data.CurrentLevel, Data.LevelCount());
  Screen.DrawScoreColumn(Data.Scores);
  DownTimer.SetInterval(Timing::FirstFallInterval);
  SpeedTimer.SetEnabled(true);
  NoFlashTimer.SetEnabled(true);
}

void TGame::PrepareNextPiece() {
  DownTimer.SetInterval(FallIntervalForHidden(PictureCells.HiddenCount(), PictureCells.TotalCount(),
                                              DownTimer.Interval()));
  PictureCells.ChooseTargets(Random, Scheduler.Now());
  CurrentBlockPicture = BlockPictures[size_t(PictureCells.TargetColourIndex())];
  if (TPictureCollectionItem *figure = ImageList2.Find("Figure")) {
    figure->RebuildSurface();
    figure->SetPicture(CurrentBlockPicture);
    figure->RebuildSurface();
  }
}

void TGame::DrawNextPiece() {
  Screen.DrawNextPiece(NextType, BlockPictures[size_t(PictureCells.NextTargetColourIndex())]);
}

void TGame::DrawScore() {
  Screen.DrawScore(QString::number(PlayStatus.Score));
  Trace::Event("score", QString::number(PlayStatus.Score));
}

void TGame::ShowGameOver() {
  PlayStatus.NewPieceDue = false;
  ReportFailure(Document.CopyOutSkin(TGameDocument::GameOverSkin));
  DXDraw.SetLeft(-600);
  if (!PlayStatus.AllLevelsDone) {
    Screen.RestorePlayField();
    RepaintWindowPicture();
  }
  if (Data.LevelCount() > 0) {
    DrawSkin(Data.GameOverSkin);
    RepaintWindowPicture();
  }
  ShowPrompt(true);
  EnterHighScore();
}

// A score good enough for the game's table is entered by name and kept (see GameDocument).
void TGame::EnterHighScore() {
  if (Data.Unsaved)
    return;
  const std::optional<int> rank = ScoreRank(Data.Scores, PlayStatus.Score);
  if (!rank)
    return;
  InsertScore(Data.Scores, *rank, PlayStatus.Score);
  PlaySound(ScoreSound(*rank));
  if (Dialogs)
    Dialogs->ShowScoreTable(Data.Scores, *rank);
  QString notice;
  const TStatus kept = Document.KeepScores(notice);
  ReportFailure(kept);
  if (kept.Ok() && !notice.isEmpty())
    Report(notice);
  PlayStatus.PictureDirty = true;
}

void TGame::ShowLevelEnd() {
  PlayStatus.NewPieceDue = false;
  const QImage backdrop = StandAloneMode ? QImage() : FolderPicture(Folder + "MidPic.jpg");
  DXDraw.SetLeft(-600);
  const int index = Data.CurrentLevel - 1;
  QImage picture;
  int grid = 0;
  if (index >= 0 && index < Data.LevelCount()) {
    picture = LoadPicture(Data.Levels[index].Path, Data.Levels[index].Type);
    grid = Data.Levels[index].GridSize;
  }
  Screen.DrawLevelEnd(backdrop, picture, grid);
  RepaintWindowPicture();
  ShowPrompt(true);
  PlayStatus.PictureDirty = true;
  PrefetchLevelPicture(Data.CurrentLevel + 1);
}

void TGame::DownTimerTimer() {
  if (!NoFlashTimer.Enabled() && !PlayStatus.Suspended) {
    Falling.StepDue = true;
    DXTimer.WakeUp();
  }
}

void TGame::SpeedTimerTimer() {
  if (DownTimer.Enabled())
    DownTimer.SetInterval(SpedUpInterval(DownTimer.Interval()));
}

void TGame::NoFlashTimerTimer() {
  NoFlashTimer.SetEnabled(false);
  DXDraw.Surface().Canvas().drawImage(0, 0, Screen.PlayFieldBackground());
  DXDraw.Surface().ReleaseCanvas();
  DXDraw.SetLeft(320);
  DXTimer.WakeUp(); // the next frame shows the play field
}

void TGame::RepaintTimerTimer() {
  RepaintTimer.SetEnabled(false);
  RepaintWindowPicture();
}

void TGame::FlashTimerTimer() {
  QPainter p(&Screen.Picture());
  if (!DownTimer.Enabled()) {
    if (FlashTick == 1)
      p.fillRect(FlashRect, QColor(FlashColour));
    FlashTimer.SetEnabled(false);
    FlashTick = 0;
    FlashAllowed = true;
  } else if (FlashTick == 0) {
    FlashAllowed = false;
    const int col = PictureCells.TargetCellCol(), row = PictureCells.TargetCellRow();
    FlashColour = TPictureCells::CellColour(PictureCells.Cell(col, row).ColourIndex);
    const QRect cell = PictureCells.CellRect(col, row);
    FlashRect = QRect(cell.left() + 1, cell.top() + 1, cell.width() - 1, cell.height() - 1);
    p.fillRect(FlashRect, Qt::black);
    FlashTick = 1;
  } else {
    p.fillRect(FlashRect, QColor(FlashColour));
    FlashTimer.SetEnabled(false);
    FlashTick = 0;
    FlashAllowed = true;
  }
  p.end();
  RepaintWindowPicture();
}

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
#include "pictures/CellPicture.h"
#include "rules/Speed.h"

#include <QCoreApplication>
#include <QFileInfo>

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
    View.DrawSkin(picture, skin.Stretch);
}

void TGame::ShowTitle() {
  Session.Status.NewPieceDue = Session.Status.AllLevelsDone = Session.Status.PieceActive = false;
  ReportFailure(Document.CopyOutSkin(TGameDocument::StartSkin));
  View.HidePlayField();
  if (Data.LevelCount() > 0)
    DrawSkin(Data.StartSkin);
  View.ShowWindowPicture();
  View.Overlays().ShowPrompt(true);
  Session.Status.PictureDirty = true;
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
  const QImage &image = picture.Decoded.Image;
  const QSize storedSize = picture.OriginalSize.isEmpty() ? image.size() : picture.OriginalSize;
  const QString why =
      !picture.Decoded.Ok() ? picture.Decoded.Reason
      : image.isNull() || !Session.Cells.Build(storedSize, level.GridSize)
          ? QCoreApplication::translate("TGame", "its picture cannot be cut into cells")
          : QString();
  if (!why.isEmpty()) {
    Report(QCoreApplication::translate("TGame",
                                       "Level %1 of %2 cannot be shown: %3. The level is skipped.")
               .arg(Data.CurrentLevel)
               .arg(ShownFileName(Data.FilePath), why));
    return false;
  }
  View.SetLevelPicture(CellPicture(image, Session.Cells.Geometry()));
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
  View.AllowFlash();
  PlaySound("EnterGame");
  ReportFailure(Document.CopyOutSkin(TGameDocument::PlayingSkin));
  View.Overlays().ShowPrompt(false);
  Session.StartLevel(Data.CurrentLevel);
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

  Session.ChooseFirstPieces(Scheduler.Now());
  PrepareNextPiece();
  DrawNextPiece();
  View.ShowWindowPicture();
  if (Session.Cells.TargetHidden()) {
    View.DrawCellGrid(Session.Cells);
    if (View.FlashAllowed())
      FlashTimer.SetEnabled(true);
  }
  GameRunning = true;
  TitleShown = false;
  Session.Piece.StepDue();
  DownTimer.SetEnabled(true);
  Session.Status.NewPieceDue = Session.Status.PictureDirty = Session.Status.PauseAllowed = true;
  DrawScore();
  FrameTimer.WakeUp(); // also when the level starts late, once its picture is decoded
}

void TGame::ComposeLevelScreen() {
  View.ShowWindowPicture();
  Session.Cells.ColourCells(Session.Random);
  View.ComposeLevel(LoadPicture(Data.PlayingSkin.Path, Data.PlayingSkin.Type), Data, Session.Cells);
  DownTimer.SetInterval(Timing::FirstFallInterval);
  SpeedTimer.SetEnabled(true);
  NoFlashTimer.SetEnabled(true);
}

void TGame::PrepareNextPiece() {
  DownTimer.SetInterval(FallIntervalForHidden(Session.Cells.HiddenCount(),
                                              Session.Cells.TotalCount(), DownTimer.Interval()));
  Session.Cells.ChooseTargets(Session.Random, Scheduler.Now());
  View.SetPieceColour(Session.Cells.TargetColourIndex());
}

void TGame::DrawNextPiece() {
  View.DrawNextPiece(Session.NextType, Session.Cells.NextTargetColourIndex());
}

void TGame::DrawScore() {
  View.DrawScore(Session.Status.Score);
  Trace::Event("score", QString::number(Session.Status.Score));
}

void TGame::ShowGameOver() {
  Session.Status.NewPieceDue = false;
  ReportFailure(Document.CopyOutSkin(TGameDocument::GameOverSkin));
  View.HidePlayField();
  if (!Session.Status.AllLevelsDone) {
    View.RestorePlayField();
    View.ShowWindowPicture();
  }
  if (Data.LevelCount() > 0) {
    DrawSkin(Data.GameOverSkin);
    View.ShowWindowPicture();
  }
  View.Overlays().ShowPrompt(true);
  EnterHighScore();
}

// A score good enough for the game's table is entered by name and kept (see GameDocument).
void TGame::EnterHighScore() {
  if (Data.Unsaved)
    return;
  const std::optional<int> rank = ScoreRank(Data.Scores, Session.Status.Score);
  if (!rank)
    return;
  InsertScore(Data.Scores, *rank, Session.Status.Score);
  PlaySound(ScoreSound(*rank));
  if (Dialogs)
    Dialogs->ShowScoreTable(Data.Scores, *rank);
  QString notice;
  const TStatus kept = Document.KeepScores(notice);
  ReportFailure(kept);
  if (kept.Ok() && !notice.isEmpty())
    Report(notice);
  Session.Status.PictureDirty = true;
}

void TGame::ShowLevelEnd() {
  Session.Status.NewPieceDue = false;
  const QImage backdrop = StandAloneMode ? QImage() : FolderPicture(Folder + "MidPic.jpg");
  // The picture as the level showed it: decoding it again would hold up the window.
  View.DrawLevelEnd(backdrop);
  View.Overlays().ShowPrompt(true);
  Session.Status.PictureDirty = true;
  PrefetchLevelPicture(Data.CurrentLevel + 1);
}

void TGame::OnDownTimer() {
  if (!NoFlashTimer.Enabled() && !Session.Status.Suspended) {
    Session.Piece.StepDue();
    FrameTimer.WakeUp();
  }
}

void TGame::OnSpeedTimer() {
  if (DownTimer.Enabled())
    DownTimer.SetInterval(SpedUpInterval(DownTimer.Interval()));
}

void TGame::OnNoFlashTimer() {
  NoFlashTimer.SetEnabled(false);
  // Paused as the level began: the banner lies over the well copy, and the resume shows the
  // play field.
  if (Paused())
    return;
  View.ShowPlayField();
  FrameTimer.WakeUp(); // the next frame shows the play field
}

void TGame::OnRepaintTimer() {
  RepaintTimer.SetEnabled(false);
  View.ShowWindowPicture();
}

void TGame::OnFlashTimer() {
  if (View.FlashStep(DownTimer.Enabled(), Session.Cells))
    FlashTimer.SetEnabled(false);
}

// The game's screens and the course of a level: title, level start with its picture cells and
// play screen, the choice of the next piece, the level end and game-over pictures, and the
// timers that belong to a level.
#include "app/CommandLine.h"
#include "app/Game.h"

#include "app/GameDialogs.h"
#include "app/Timing.h"
#include "app/Trace.h"
#include "gamefile/HighScores.h"
#include "play/PictureDecoder.h"
#include "play/Speed.h"

#include <QFileInfo>

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
}

bool TGame::BuildPictureCells() {
  const int index = Data.CurrentLevel - 1;
  if (index < 0 || index >= Data.LevelCount())
    return false;
  const TLevel &level = Data.Levels[index];
  if (const TStatus copied = Document.CopyOutLevel(Data.CurrentLevel); !copied.Ok()) {
    Report(copied.Error());
    return false;
  }
  const TDecodedPicture picture =
      TPictureDecoder().DecodeFile(level.Path, quint8(level.Type), level.GridSize);
  const QString why = !picture.Ok() ? picture.Reason
                      : !Session.Cells.Build(picture.Image, level.GridSize)
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

void TGame::StartLevel() {
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
    View.DrawCellGrid(Session.Cells, Session.Random);
    if (View.FlashAllowed())
      FlashTimer.SetEnabled(true);
  }
  GameRunning = true;
  TitleShown = false;
  Session.Piece.StepDue();
  DownTimer.SetEnabled(true);
  Session.Status.NewPieceDue = Session.Status.PictureDirty = Session.Status.PauseAllowed = true;
  DrawScore();
}

void TGame::ComposeLevelScreen() {
  View.ShowWindowPicture();
  View.ComposeLevel(LoadPicture(Data.PlayingSkin.Path, Data.PlayingSkin.Type), Data, Session.Cells,
                    Session.Random);
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
  const QImage backdrop = StandAloneMode ? QImage() : QImage(Folder + "MidPic.jpg");
  const int index = Data.CurrentLevel - 1;
  QImage picture;
  int grid = 0;
  if (index >= 0 && index < Data.LevelCount()) {
    picture = LoadPicture(Data.Levels[index].Path, Data.Levels[index].Type);
    grid = Data.Levels[index].GridSize;
  }
  View.DrawLevelEnd(backdrop, picture, grid);
  View.Overlays().ShowPrompt(true);
  Session.Status.PictureDirty = true;
}

void TGame::DownTimerTimer() {
  if (!NoFlashTimer.Enabled() && !Session.Status.Suspended)
    Session.Piece.StepDue();
}

void TGame::SpeedTimerTimer() {
  if (DownTimer.Enabled())
    DownTimer.SetInterval(SpedUpInterval(DownTimer.Interval()));
}

void TGame::NoFlashTimerTimer() {
  NoFlashTimer.SetEnabled(false);
  View.ShowPlayField();
}

void TGame::RepaintTimerTimer() {
  RepaintTimer.SetEnabled(false);
  View.ShowWindowPicture();
}

void TGame::FlashTimerTimer() {
  if (View.FlashStep(DownTimer.Enabled(), Session.Cells))
    FlashTimer.SetEnabled(false);
}

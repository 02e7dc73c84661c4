#include "app/PlayFlow.h"

#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/GameDialogs.h"
#include "app/MenuCommands.h"
#include "app/PauseControl.h"
#include "app/PiecePlay.h"
#include "app/Timing.h"
#include "app/Trace.h"
#include "gamefile/HighScores.h"
#include "pictures/CellPicture.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

TLevelPictureRequest PictureOf(const TLevel &level, const TSkin &playingSkin) {
  return {level.Path, quint8(level.Type), level.GridSize, playingSkin.Path,
          quint8(playingSkin.Type)};
}

} // namespace

TPlayFlow::TPlayFlow(TGameParts &parts, TPiecePlay &pieces, TPauseControl &pause,
                     TMenuCommands &commands)
    : TGamePart(parts), Pieces(pieces), Pause(pause), Commands(commands),
      EndLevelTimer(parts.Scheduler, Timing::EndLevelDelay),
      TitleTimer(parts.Scheduler, Timing::TitleDelay),
      ExitTimer(parts.Scheduler, Timing::ExitDelay),
      PictureNoticeTimer(parts.Scheduler, Timing::PictureNoticeDelay) {
  FrameTimer.OnTimer = [this](int lag) { OnFrame(lag); };
  TitleTimer.OnTimer = [this] { OnTitleTimer(); };
  EndLevelTimer.OnTimer = [this] { OnEndLevelTimer(); };
  ExitTimer.OnTimer = [this] { OnExitTimer(); };
  PictureNoticeTimer.OnTimer = [this] { OnPictureNoticeTimer(); };
  LevelPictures.OnReady = [this] {
    if (StartWaits && State == StatePlaying)
      StartLevel();
  };
}

void TPlayFlow::EndRunning() { Running = OnTitle = false; }

void TPlayFlow::OnFrame(int lagCount) {
  Q_UNUSED(lagCount);
  if (!View.Surface().SurfaceReady())
    return;
  PlayerInput.Update();
  switch (State) {
  case StateTitle:
    TitleFrame();
    break;
  case StatePlaying:
    Pieces.PlayingFrame();
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
  View.ShowIfChanged();
  View.Surface().Flip();
  if (NothingMoves())
    FrameTimer.Sleep(); // until a key, a state change or the end of a hold wakes it
  else if (PieceAtRest())
    FrameTimer.Idle(); // the next frames come with the fall step, the lock delay or a key
}

// The next frames would find nothing to do: no piece moves (none is played, or a pause, menu
// or dialog holds it still), nothing waits to be shown and no key is held. (The frame asks
// after showing what it drew on the window picture.)
bool TPlayFlow::NothingMoves() const {
  return (State != StatePlaying || Pause.Suspended()) && !Pieces.NewPieceDue() && !PictureDirty &&
         PlayerInput.Actions().Empty();
}

// A piece is played, but until a timer (the fall step, the lock delay) or a key asks for
// something the frames would draw nothing.
bool TPlayFlow::PieceAtRest() {
  return State == StatePlaying && !Pieces.NewPieceDue() && !PictureDirty &&
         !View.Surface().Surface().Drawn() && PlayerInput.Actions().Empty() &&
         Session.Piece.AtRest();
}

void TPlayFlow::SetGameState(TGameState state) {
  // A start or drop key held into the new state does not act in it; a held direction may.
  PlayerInput.Remove({TPlayerAction::Drop, TPlayerAction::Start, TPlayerAction::Pause});
  State = state;
  Trace::Event("state", QString::number(state));
  FrameTimer.WakeUp();
  // Whatever the start key waited for, it waits no more.
  PictureNoticeTimer.SetEnabled(false);
  View.Overlays().HideNotice();

  if (state == StateNone)
    return;
  Commands.UpdateMenu();
  EnterState(state);
}

void TPlayFlow::EnterState(TGameState state) {
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

void TPlayFlow::RefreshIfDirty() {
  if (!PictureDirty)
    return;
  PictureDirty = false;
  View.ShowWindowPicture();
}

void TPlayFlow::TitleFrame() {
  RefreshIfDirty();
  if (PlayerInput.Has(TPlayerAction::Start) && Data.LevelCount() > 0) {
    Parts.PlaySound("Dialog");
    SetGameState(StatePlaying);
  }
}

void TPlayFlow::GameOverFrame() {
  RefreshIfDirty();
  if (PlayerInput.Has(TPlayerAction::Start)) {
    Parts.PlaySound("Dialog");
    SetGameState(StateTitle);
  }
}

void TPlayFlow::LevelEndFrame() {
  RefreshIfDirty();
  if (PlayerInput.Has(TPlayerAction::Start) && Data.LevelCount() > 0) {
    Parts.PlaySound("Dialog");
    Data.CurrentLevel += 1;
    LevelEnded();
  }
}

// After a level: the next one, or the end of the game after the last.
void TPlayFlow::LevelEnded() {
  if (Data.CurrentLevel > Data.LevelCount()) {
    EndGame(true);
  } else {
    SetGameState(StatePlaying);
  }
}

void TPlayFlow::FinishLevel() {
  Pieces.EndPiece();
  Parts.PlaySound("EndLevel");
  Session.ScoreFinishedLevel();
  Pieces.SetFalling(false);
  AllLevelsPlayed = false;
  SetGameState(StateLevelEnd);
}

// allLevelsDone: every level was played; otherwise the stack reached the top.
void TPlayFlow::EndGame(bool allLevelsDone) {
  AllLevelsPlayed = allLevelsDone;
  Data.CurrentLevel = 1;
  Pieces.SetFalling(false);
  SetGameState(StateGameOver);
}

void TPlayFlow::OnTitleTimer() {
  TitleTimer.SetEnabled(false);
  SetGameState(StateTitle);
}

void TPlayFlow::OnEndLevelTimer() {
  EndLevelTimer.SetEnabled(false);
  FinishLevel();
}

void TPlayFlow::OnExitTimer() {
  ExitTimer.SetEnabled(false);
  if (OnCloseRequested)
    OnCloseRequested();
}

// The start key has waited a while for the level's picture: the player sees that the game is at
// work, not stuck, until the level starts.
void TPlayFlow::OnPictureNoticeTimer() {
  PictureNoticeTimer.SetEnabled(false);
  if (!StartWaits || State != StatePlaying)
    return;
  const QString text = QCoreApplication::translate("TGame", "Loading picture...");
  Trace::Event("notice", text);
  View.Overlays().ShowNotice(text);
}

// A skin that cannot be decoded leaves the picture as it was.
void TPlayFlow::DrawSkin(const TSkin &skin) {
  const QImage picture = Parts.LoadPicture(skin.Path, skin.Type);
  if (!picture.isNull())
    View.DrawSkin(picture, skin.Stretch);
}

void TPlayFlow::ShowTitle() {
  Pieces.SetPieceDue(false);
  AllLevelsPlayed = false;
  Session.Piece.Free();
  Parts.ReportFailure(Document.CopyOutSkin(TGameDocument::StartSkin));
  View.HidePlayField();
  if (Data.LevelCount() > 0)
    DrawSkin(Data.StartSkin);
  View.ShowWindowPicture();
  View.Overlays().ShowPrompt(true);
  PictureDirty = true;
  OnTitle = true;
  PrefetchLevelPicture(std::max(Data.CurrentLevel, 1));
}

bool TPlayFlow::BuildPictureCells(QImage &playingSkin) {
  const int index = Data.CurrentLevel - 1;
  if (index < 0 || index >= Data.LevelCount())
    return false;
  const TLevel &level = Data.Levels[index];
  // Pictures decoded ahead have been copied out already; copying out names the files.
  if (!LevelPictures.Requested(PictureOf(level, Data.PlayingSkin))) {
    Parts.ReportFailure(Document.CopyOutSkin(TGameDocument::PlayingSkin));
    if (const TStatus copied = Document.CopyOutLevel(Data.CurrentLevel); !copied.Ok()) {
      Parts.Report(copied.Error());
      return false;
    }
  }
  TLevelPicture picture = LevelPictures.Take(PictureOf(level, Data.PlayingSkin));
  playingSkin = std::move(picture.Skin);
  const QImage &image = picture.Decoded.Image;
  const QSize storedSize = picture.OriginalSize.isEmpty() ? image.size() : picture.OriginalSize;
  const QString why =
      !picture.Decoded.Ok() ? picture.Decoded.Reason
      : image.isNull() || !Session.Cells.Build(storedSize, level.GridSize)
          ? QCoreApplication::translate("TGame", "its picture cannot be cut into cells")
          : QString();
  if (!why.isEmpty()) {
    Parts.Report(QCoreApplication::translate(
                     "TGame", "Level %1 of %2 cannot be shown: %3. The level is skipped.")
                     .arg(Data.CurrentLevel)
                     .arg(ShownFileName(Data.FilePath), why));
    return false;
  }
  View.SetLevelPicture(CellPicture(image, Session.Cells.Geometry()));
  return true;
}

// While a prompt shows, the picture of the level that the start key starts is copied out and
// decoded off the window thread. What goes wrong is left to the level start to report.
void TPlayFlow::PrefetchLevelPicture(int level) {
  LevelPictures.Drop();
  if (!LevelPictures.Background() || level < 1 || level > Data.LevelCount())
    return;
  if (!Document.CopyOutLevel(level).Ok())
    return;
  Parts.ReportFailure(Document.CopyOutSkin(TGameDocument::PlayingSkin));
  LevelPictures.Request(PictureOf(Data.Levels[level - 1], Data.PlayingSkin));
}

void TPlayFlow::StartLevel() {
  // The start key came before the picture was decoded: the level starts once it is (OnReady),
  // and the window goes on drawing and answering meanwhile.
  StartWaits = LevelPictures.Busy();
  if (StartWaits) {
    PictureNoticeTimer.SetEnabled(true);
    return;
  }
  PictureNoticeTimer.SetEnabled(false);
  View.Overlays().HideNotice();
  Parts.CellFlash.Allow();
  Parts.PlaySound("EnterGame");
  View.Overlays().ShowPrompt(false);
  Session.StartLevel(Data.CurrentLevel);
  QImage playingSkin;
  // A level whose picture cannot be used could never end: it is skipped with a message.
  while (!BuildPictureCells(playingSkin)) {
    Data.CurrentLevel += 1;
    if (Data.CurrentLevel > Data.LevelCount()) {
      EndGame(true);
      return;
    }
  }
  Trace::Event("level", QStringLiteral("%1/%2").arg(Data.CurrentLevel).arg(Data.LevelCount()));
  ComposeLevelScreen(playingSkin);

  Session.ChooseFirstPieces(Scheduler.Now());
  Pieces.PrepareNextPiece();
  Pieces.DrawNextPiece();
  View.ShowWindowPicture();
  if (Session.Cells.TargetHidden()) {
    View.DrawCellGrid(Session.Cells);
    if (Parts.CellFlash.Allowed())
      Pieces.StartFlash();
  }
  Running = true;
  OnTitle = false;
  Session.Piece.StepDue();
  Pieces.SetFalling(true);
  Pieces.SetPieceDue(true);
  PictureDirty = true;
  Pieces.DrawScore();
  FrameTimer.WakeUp(); // also when the level starts late, once its picture is decoded
}

void TPlayFlow::ComposeLevelScreen(const QImage &playingSkin) {
  View.ShowWindowPicture();
  Session.Cells.ColourCells(Session.Random);
  View.ComposeLevel(playingSkin, Data, Session.Cells);
  Pieces.BeginLevel();
}

void TPlayFlow::ShowGameOver() {
  Pieces.SetPieceDue(false);
  Parts.ReportFailure(Document.CopyOutSkin(TGameDocument::GameOverSkin));
  View.HidePlayField();
  if (!AllLevelsPlayed) {
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
void TPlayFlow::EnterHighScore() {
  if (Data.Unsaved)
    return;
  const std::optional<int> rank = ScoreRank(Data.Scores, Session.Score());
  if (!rank)
    return;
  InsertScore(Data.Scores, *rank, Session.Score());
  Parts.PlaySound(ScoreSound(*rank));
  if (Parts.Dialogs)
    Parts.Dialogs->ShowScoreTable(Data.Scores, *rank);
  QString notice;
  const TStatus kept = Document.KeepScores(notice);
  Parts.ReportFailure(kept);
  if (kept.Ok() && !notice.isEmpty())
    Parts.Report(notice);
  PictureDirty = true;
}

void TPlayFlow::ShowLevelEnd() {
  Pieces.SetPieceDue(false);
  const QImage backdrop =
      Parts.StandAloneMode ? QImage() : FolderPicture(Parts.Folder + "MidPic.jpg");
  // The picture as the level showed it: decoding it again would hold up the window.
  View.DrawLevelEnd(backdrop);
  View.Overlays().ShowPrompt(true);
  PictureDirty = true;
  PrefetchLevelPicture(Data.CurrentLevel + 1);
}

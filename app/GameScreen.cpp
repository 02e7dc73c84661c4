#include "app/GameScreen.h"

#include "app/DataFolder.h"
#include "app/GameDocument.h"
#include "app/GameMessages.h"
#include "pictures/PictureDecoder.h"
#include "play/GameModel.h"
#include "play/Timing.h"
#include "screen/PlayScreen.h"

#include <QCoreApplication>

TGameScreen::TGameScreen(TScheduler &scheduler, TPlayScreen &screen, TGameDocument &document,
                         const TGameMessages &messages, const TGameModel &model)
    : View(screen), Document(document), Messages(messages), Model(model), CellFlash(screen),
      FlashTimer(scheduler, Timing::FlashInterval), RepaintTimer(scheduler, Timing::RepaintDelay) {
  FlashTimer.OnTimer = [this] { OnFlashTimer(); };
  RepaintTimer.OnTimer = [this] {
    RepaintTimer.SetEnabled(false);
    View.Shown().ShowIfChanged();
  };
}

QString TGameScreen::LoadingNotice() {
  return QCoreApplication::translate("TGame", "Loading picture...");
}

void TGameScreen::RefreshIfDirty() {
  if (!Dirty)
    return;
  Dirty = false;
  View.Shown().ShowAll();
}

void TGameScreen::EndFrame() {
  // Whatever drew on the window picture since it was last shown (a landing's score line, the
  // NEXT box) is shown in this same frame.
  View.Shown().ShowIfChanged();
  View.Surface().Flip();
}

// A skin that cannot be decoded leaves the picture as it was.
void TGameScreen::DrawSkin(const TSkin &skin) {
  const QImage picture = TPictureDecoder().DecodeFile(skin.Path, quint8(skin.Type)).Image;
  if (!picture.isNull())
    View.DrawSkin(picture, skin.Stretch);
}

void TGameScreen::Blank() { View.Blank(); }

void TGameScreen::ClearForBuilder() {
  View.ClearScore();
  View.Overlays().ShowPrompt(false);
}

void TGameScreen::ShowEmptyGame() { View.Overlays().ShowPrompt(true); }

void TGameScreen::StateChanged(TGameState) { View.Overlays().HideNotice(); }

void TGameScreen::TitleShown() {
  Messages.ReportFailure(Document.CopyOutSkin(TGameDocument::StartSkin));
  View.HidePlayField();
  if (Document.Game.LevelCount() > 0)
    DrawSkin(Document.Game.StartSkin);
  View.Shown().ShowAll();
  View.Overlays().ShowPrompt(true);
  Dirty = true;
}

void TGameScreen::LevelStarting() {
  View.Overlays().HideNotice();
  CellFlash.Allow();
  View.Overlays().ShowPrompt(false);
}

void TGameScreen::WaitingForPicture() { View.Overlays().ShowNotice(LoadingNotice()); }

void TGameScreen::LevelStarted(const TPlaySession &session, int level, int,
                               const TLevelLook &look) {
  View.SetLevelPicture(look.Picture);
  View.Shown().ShowAll();
  View.ComposeLevel(look.Skin, Document.Game, level, session.Cells);
  NextPieceChosen(session);
  View.Shown().ShowAll();
  if (session.Targets.CurrentHidden(session.Cells))
    AnnounceTarget(session);
  Dirty = true;
}

void TGameScreen::PlayFieldShown() { View.ShowPlayField(); }

void TGameScreen::LevelEndShown() {
  // The picture as the level showed it: decoding it again would hold up the window.
  View.DrawLevelEnd(LevelEndBackdrop.isEmpty() ? QImage() : FolderPicture(LevelEndBackdrop));
  View.Overlays().ShowPrompt(true);
  Dirty = true;
}

void TGameScreen::GameOverShown(bool allLevelsDone) {
  Messages.ReportFailure(Document.CopyOutSkin(TGameDocument::GameOverSkin));
  View.HidePlayField();
  if (!allLevelsDone) {
    View.RestorePlayField();
    View.Shown().ShowAll();
  }
  if (Document.Game.LevelCount() > 0) {
    DrawSkin(Document.Game.GameOverSkin);
    View.Shown().ShowAll();
  }
  View.Overlays().ShowPrompt(true);
}

void TGameScreen::NextPieceChosen(const TPlaySession &session) {
  View.Piece().SetColour(session.Targets.CurrentColourIndex(session.Cells));
  View.DrawNextPiece(session.NextType, session.Targets.NextColourIndex(session.Cells));
}

void TGameScreen::PieceCreated(const TPlaySession &session) {
  View.Piece().Create(session.Piece.BlockPositions());
}

void TGameScreen::TargetAnnounced(const TPlaySession &session) { AnnounceTarget(session); }

// The cell the new piece carries is marked on the grid (shown by this frame) and blinks.
void TGameScreen::AnnounceTarget(const TPlaySession &session) {
  View.DrawCellGrid(session.Cells);
  if (CellFlash.Allowed())
    FlashTimer.SetEnabled(true);
}

void TGameScreen::PlayFrame(const TPlaySession &session) {
  View.Piece().DrawFrame(session.Piece.BlockPositions(), session.Piece.Active(),
                         session.Prefs.ShowLandingPlace ? session.Piece.LandingPositions()
                                                        : std::vector<QPoint>{});
}

void TGameScreen::PieceRemoved() { View.Piece().Free(); }

// The landing: the cells it uncovered, the well from the lowest removed row up, and the grid
// of the rows removed.
void TGameScreen::PieceLanded(const TLanding &landing, const TPlaySession &session) {
  View.ShowLanding(landing, session.Well, session.Cells);
  if (landing.RowsRemoved > 0) {
    View.DrawCellGrid(session.Cells);
    RepaintTimer.SetEnabled(true);
  }
}

void TGameScreen::ScoreChanged(int score) { View.DrawScore(score); }

void TGameScreen::PauseChanged(TPauseChange change, const TPlaySession &session) {
  switch (change) {
  case TPauseChange::Paused: {
    // The banner lies over a copy of the well on the window picture.
    const auto piece = session.Piece.BlockPositions();
    View.PaintWellCopy(session.Well, session.Piece.Active() ? &piece : nullptr);
    View.Shown().ShowAll();
    View.HidePlayField();
    View.Overlays().ShowPauseBanner(true);
    break;
  }
  case TPauseChange::Resumed:
    View.ShowPlayFieldFromWindow();
    View.Overlays().ShowPauseBanner(false);
    break;
  case TPauseChange::Ended:
    View.Surface().SetLeft(320);
    View.Overlays().ShowPauseBanner(false);
    break;
  }
}

void TGameScreen::OnFlashTimer() {
  if (CellFlash.Step(Model.Pieces().Falling(), Model.Session().Cells,
                     Model.Session().Targets.Current()))
    FlashTimer.SetEnabled(false);
}

#pragma once
// What the player sees of the game: each of the model's events drawn on the play screen, with
// the skins copied out of the game file, the target cell's blink, and the window picture shown
// again at the next frame after a change.

#include "media/Timer.h"
#include "play/GameEvents.h"
#include "screen/CellFlash.h"

class TGameDocument;
class TGameMessages;
class TGameModel;
class TPlayScreen;
struct TSkin;

class TGameScreen : public TGameEvents {
public:
  TGameScreen(TScheduler &scheduler, TPlayScreen &screen, TGameDocument &document,
              const TGameMessages &messages, const TGameModel &model);

  // Shown on the window while a level's picture is still being decoded.
  static QString LoadingNotice();
  // The picture behind a finished level's whole picture; none: black.
  QString LevelEndBackdrop;

  // The frame begins: a window picture changed since the last frame is shown.
  void RefreshIfDirty();
  // The frame ends: whatever drew on the window picture or the play surface is shown.
  void EndFrame();
  // The window picture waits to be shown again.
  bool PictureDirty() const { return Dirty; }
  void MarkDirty() { Dirty = true; }

  // Another game opened, or the builder closed: nothing of the last one shows.
  void Blank();
  // The builder opens over the window: no score and no prompt under it.
  void ClearForBuilder();
  // No game could be opened: the prompt shows on black.
  void ShowEmptyGame();

private:
  // The model's events (only the model tells them).
  void StateChanged(TGameState state) override;
  void TitleShown() override;
  void LevelStarting() override;
  void WaitingForPicture() override;
  void LevelStarted(const TPlaySession &session, int level, int levelCount,
                    const TLevelLook &look) override;
  void PlayFieldShown() override;
  void LevelEndShown() override;
  void GameOverShown(bool allLevelsDone) override;
  void NextPieceChosen(const TPlaySession &session) override;
  void PieceCreated(const TPlaySession &session) override;
  void TargetAnnounced(const TPlaySession &session) override;
  void PlayFrame(const TPlaySession &session) override;
  void PieceRemoved() override;
  void PieceLanded(const TLanding &landing, const TPlaySession &session) override;
  void ScoreChanged(int score) override;
  void PauseChanged(TPauseChange change, const TPlaySession &session) override;

  void DrawSkin(const TSkin &skin);
  void AnnounceTarget(const TPlaySession &session);
  void OnFlashTimer();

  TPlayScreen &View;
  TGameDocument &Document;
  const TGameMessages &Messages;
  const TGameModel &Model;
  TCellFlash CellFlash;
  TTimer FlashTimer, RepaintTimer;
  bool Dirty = false; // the window picture must be shown again at the next frame
};

#include "app/HighScoreEntry.h"

#include "app/GameDialogs.h"
#include "app/GameDocument.h"
#include "app/GameMessages.h"
#include "app/GameScreen.h"
#include "app/GameSounds.h"
#include "gamefile/HighScores.h"
#include "play/GameModel.h"

void THighScoreEntry::GameOverShown(bool) {
  TGameData &game = Document.Game;
  if (game.Unsaved)
    return;
  const int score = Model.Session().Score();
  const std::optional<int> rank = ScoreRank(game.Scores, score);
  if (!rank)
    return;
  InsertScore(game.Scores, *rank, score);
  Sounds.Play(ScoreSound(*rank));
  if (Messages.Dialogs)
    Messages.Dialogs->ShowScoreTable(game.Scores, *rank);
  QString notice;
  const TStatus kept = Document.KeepScores(notice);
  Messages.ReportFailure(kept);
  if (kept.Ok() && !notice.isEmpty())
    Messages.Report(notice);
  Screen.MarkDirty();
}

// Where a game's high scores are kept: inside the game file when this user may write it, else
// in the user's score store, whose table is then the one shown and played for.
#include "app/CommandLine.h"
#include "app/Game.h"

#include "gamefile/GameFile.h"

#include <QFileInfo>

void TGame::UseStoredScores() {
  StoredScoresKey.clear();
  if (Data.Unsaved || QFileInfo(Data.FilePath).isWritable())
    return;
  const TResult<QString> key = TScoreStore::KeyOf(Data.FilePath);
  if (!key.Ok())
    return; // the game could be read a moment ago; its next load tries again
  StoredScoresKey = key.Value();
  if (!ScoreStore.Contains(StoredScoresKey))
    return; // no score yet: the game's own table stands
  const TResult<TScoreTable> stored = ScoreStore.Load(StoredScoresKey);
  if (stored.Ok())
    Data.Scores = stored.Value();
  else
    Report(stored.Error());
}

void TGame::KeepScores() {
  if (StoredScoresKey.isEmpty()) {
    const TStatus written = WriteScoreTable(Data.FilePath, Data);
    if (!written.Ok())
      Report("The high scores are kept until the program ends, but could not be saved: " +
             written.Error());
    return;
  }
  const bool first = !ScoreStore.Contains(StoredScoresKey);
  const TStatus saved = ScoreStore.Save(StoredScoresKey, Data.Scores);
  if (!saved.Ok())
    Report("The high scores are kept until the program ends, but could not be saved: " +
           saved.Error());
  else if (first)
    Report(QStringLiteral("%1 cannot be written, so its high scores are kept for you alone, in %2.")
               .arg(ShownFileName(Data.FilePath), ScoreStore.FolderPath()));
}

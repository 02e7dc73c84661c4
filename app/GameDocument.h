#pragma once
// The open game as a file: what it holds, the private folder its pictures are copied out to
// while it is played, where its high scores are kept, and the stand-alone program that may
// carry it. Every operation says what went wrong; asking and telling the player is the game's
// part (TGame).

#include "gamefile/GameData.h"
#include "gamefile/Result.h"
#include "gamefile/ScoreStore.h"
#include "gamefile/WorkingFolder.h"

#include <QString>

class TGameDocument {
public:
  TGameDocument();

  TGameData Game; // the open game
  const QString &WorkingFolder() const { return Work.Path(); }

  // Reads the game at path (its header, skins, levels and score table) and the scores kept
  // for it. On failure nothing changes. scoresProblem: set when the kept scores could not be
  // read (the game's own table stands).
  TStatus Open(const QString &path, QString &scoresProblem);

  // A saved game's pictures are copied out of its file before they are shown; an unsaved
  // game's pictures are the author's own files.
  enum TSkin { StartSkin, PlayingSkin, GameOverSkin };
  TStatus CopyOutSkin(TSkin skin);
  TStatus CopyOutLevel(int level);
  TStatus CopyOutAll();
  void DeleteWorkingPictures();
  // The program is closing: its working folder goes now, whatever way the process then ends.
  void RemoveWorkingFolder() { Work.Remove(); }
  // Writes the whole game to path.
  TStatus SaveTo(const QString &path);

  // The scores just entered are kept: in the game file when this user may write it, else in
  // the user's score store. notice: set to what the player is told the first time a game's
  // scores go to the store.
  TStatus KeepScores(QString &notice);

  // A stand-alone program's own game: copied into the working folder at start and played
  // there; at close, when its scores changed, the program file is replaced by one carrying it.
  // A program whose file or folder this user cannot write keeps its scores in the user's store,
  // and so does a close that fails to replace it: the next start plays for them.
  // Returns the path of the unpacked game.
  TResult<QString> UnpackStandAlone(const QString &programPath);
  TStatus RepackStandAlone(const QString &programPath);

private:
  TStatus UseStoredScores();
  // The file that keeps the open game's scores: the game file, or the stand-alone program.
  QString ScoresFile() const;
  bool CanWriteScores() const;

  TWorkingFolder Work;
  TScoreStore ScoreStore{TScoreStore::DefaultFolder()};
  QString StoredScoresKey;   // empty: the scores are kept in the game file
  QString StandAloneProgram; // the stand-alone program whose game is open
  QString UnpackedKey;       // the store's key of that game as it was unpacked
};

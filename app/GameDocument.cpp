#include "app/GameDocument.h"

#include "app/CommandLine.h"
#include "gamefile/FileReplacement.h"
#include "gamefile/GameFile.h"
#include "gamefile/StandAlone.h"
#include "gamefile/WorkingPictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString ScoresNotSaved(const QString &why) {
  return QCoreApplication::translate(
             "TGameDocument",
             "The high scores are kept until the program ends, but could not be saved: %1")
      .arg(why);
}

// Where this process's working folder can be made: the runtime folder, else (when it is
// read-only) the user's cache, so that the game's pictures can still be shown.
QString WorkingBase() {
  const QString runtime = TWorkingFolder::DefaultBase();
  const QString parent = runtime + "/quarrybox";
  if (QDir().mkpath(parent) && QFileInfo(parent).isWritable())
    return runtime;
  return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
}

} // namespace

TGameDocument::TGameDocument() : Work(WorkingBase(), QCoreApplication::applicationPid()) {}

TStatus TGameDocument::Open(const QString &path, QString &scoresProblem) {
  TGameData data;
  if (const TStatus read = ReadGameHeader(path, data); !read.Ok())
    return read;
  Game = data;
  Game.FilePath = path;
  if (const TStatus scores = UseStoredScores(); !scores.Ok())
    scoresProblem = scores.Error();
  return TStatus::Success();
}

TStatus TGameDocument::CopyOutSkin(TSkin skin) {
  if (Game.Unsaved)
    return TStatus::Success();
  const auto extract = skin == StartSkin     ? ExtractStartSkin
                       : skin == PlayingSkin ? ExtractPlayingSkin
                                             : ExtractGameOverSkin;
  return extract(Game.FilePath, Game, Work.Path()).Status();
}

TStatus TGameDocument::CopyOutLevel(int level) {
  if (Game.Unsaved)
    return TStatus::Success();
  return ExtractLevelPicture(Game.FilePath, level, Game, Work.Path()).Status();
}

TStatus TGameDocument::CopyOutAll() {
  if (Game.Unsaved)
    return TStatus::Success();
  return ExtractAllPictures(Game.FilePath, Game, Work.Path());
}

void TGameDocument::DeleteWorkingPictures() {
  ::DeleteWorkingPictures(Work.Path(), Game.LevelCount());
}

TStatus TGameDocument::SaveTo(const QString &path) {
  if (const TStatus extracted = CopyOutAll(); !extracted.Ok())
    return extracted;
  return WriteGameFile(path, Game);
}

// A game this user cannot write keeps its scores in the user's store, whose table is then the
// one shown and played for.
TStatus TGameDocument::UseStoredScores() {
  StoredScoresKey.clear();
  if (!UnpackedKey.isEmpty() && CanWriteScores() && ScoreStore.Contains(UnpackedKey)) {
    // Scores a close could not write into the program: played for, and written at this close.
    const TResult<TScoreTable> kept = ScoreStore.Load(UnpackedKey);
    if (kept.Ok())
      Game.Scores = kept.Value();
    return kept.Status();
  }
  if (Game.Unsaved || CanWriteScores())
    return TStatus::Success();
  const TResult<QString> key = TScoreStore::KeyOf(Game.FilePath);
  if (!key.Ok())
    return TStatus::Success(); // the game could be read a moment ago; its next load tries again
  StoredScoresKey = key.Value();
  if (!ScoreStore.Contains(StoredScoresKey))
    return TStatus::Success(); // no score yet: the game's own table stands
  const TResult<TScoreTable> stored = ScoreStore.Load(StoredScoresKey);
  if (!stored.Ok())
    return stored.Status();
  Game.Scores = stored.Value();
  return TStatus::Success();
}

TStatus TGameDocument::KeepScores(QString &notice) {
  if (StoredScoresKey.isEmpty()) {
    const TStatus written = WriteScoreTable(Game.FilePath, Game);
    return written.Ok() ? written : TStatus::Failure(ScoresNotSaved(written.Error()));
  }
  const bool first = !ScoreStore.Contains(StoredScoresKey);
  const TStatus saved = ScoreStore.Save(StoredScoresKey, Game.Scores);
  if (!saved.Ok())
    return TStatus::Failure(ScoresNotSaved(saved.Error()));
  if (first)
    notice = QCoreApplication::translate(
                 "TGameDocument",
                 "%1 cannot be written, so its high scores are kept for you alone, in %2.")
                 .arg(ShownFileName(ScoresFile()), ScoreStore.FolderPath());
  return saved;
}

QString TGameDocument::ScoresFile() const {
  return StandAloneProgram.isEmpty() ? Game.FilePath : StandAloneProgram;
}

// A stand-alone program is replaced as a whole, by a rename in its folder.
bool TGameDocument::CanWriteScores() const {
  const QFileInfo file(ScoresFile());
  return file.isWritable() &&
         (StandAloneProgram.isEmpty() || QFileInfo(file.absolutePath()).isWritable());
}

TResult<QString> TGameDocument::UnpackStandAlone(const QString &programPath) {
  TFileReplacement::RemoveLeftovers(programPath); // of a close that was killed
  const QString game = Work.Path() + QFileInfo(programPath).completeBaseName() + ".qbx";
  if (const TStatus unpacked = ::UnpackStandAlone(programPath, game); !unpacked.Ok())
    return unpacked;
  StandAloneProgram = programPath;
  const TResult<QString> key = TScoreStore::KeyOf(game);
  UnpackedKey = key.Ok() ? key.Value() : QString();
  return game;
}

// A program that cannot be replaced keeps its old scores; new ones are in the user's store.
TStatus TGameDocument::RepackStandAlone(const QString &programPath) {
  if (!StoredScoresKey.isEmpty())
    return TStatus::Success();
  const TStatus written = ::RepackStandAlone(programPath, Game.FilePath);
  if (written.Ok() || UnpackedKey.isEmpty())
    return written;
  const TStatus kept = ScoreStore.Save(UnpackedKey, Game.Scores);
  //: After why the program could not be written: where its high scores went instead (%2)
  return TStatus::Failure(
      kept.Ok() ? QCoreApplication::translate("TGameDocument", "%1; the high scores are kept in %2")
                      .arg(written.Error(), ScoreStore.FolderPath())
                : QCoreApplication::translate("TGameDocument", "%1; the high scores are lost: %2")
                      .arg(written.Error(), kept.Error()));
}

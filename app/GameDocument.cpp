#include "app/GameDocument.h"

#include "app/CommandLine.h"
#include "gamefile/GameFile.h"
#include "gamefile/StandAlone.h"
#include "gamefile/WorkingPictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

// Where the copy of a running stand-alone game lives: the temporary folder, else the home folder.
QStringList CopyFolders() { return {QDir::tempPath(), QDir::homePath()}; }

const QString ScoresNotSaved =
    QStringLiteral("The high scores are kept until the program ends, but could not be saved: ");

} // namespace

TGameDocument::TGameDocument()
    : Work(TWorkingFolder::DefaultBase(), QCoreApplication::applicationPid()) {}

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
  if (Game.Unsaved || QFileInfo(Game.FilePath).isWritable())
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
    return written.Ok() ? written : TStatus::Failure(ScoresNotSaved + written.Error());
  }
  const bool first = !ScoreStore.Contains(StoredScoresKey);
  const TStatus saved = ScoreStore.Save(StoredScoresKey, Game.Scores);
  if (!saved.Ok())
    return TStatus::Failure(ScoresNotSaved + saved.Error());
  if (first)
    notice =
        QStringLiteral("%1 cannot be written, so its high scores are kept for you alone, in %2.")
            .arg(ShownFileName(Game.FilePath), ScoreStore.FolderPath());
  return saved;
}

TResult<QString> TGameDocument::UnpackStandAlone(const QString &programPath) {
  const QFileInfo program(programPath);
  TStatus failed = TStatus::Failure(QStringLiteral("no folder to unpack the game into"));
  for (const QString &folder : CopyFolders()) {
    const QString copy = folder + '/' + program.fileName();
    const QString game = folder + '/' + program.completeBaseName() + ".qbx";
    failed = ::UnpackStandAlone(programPath, copy, game);
    if (failed.Ok()) {
      StandAloneCopy = copy;
      return game;
    }
  }
  return failed;
}

void TGameDocument::RepackStandAlone(const QString &programPath) {
  if (!::RepackStandAlone(StandAloneCopy, Game.FilePath).Ok())
    return; // the program keeps its old scores
  const QString script = QFileInfo(StandAloneCopy).absolutePath() + "/UpdateQBX.sh";
  QFile file(script);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    return;
  file.write(UpdateScript(QCoreApplication::applicationPid(), programPath, StandAloneCopy,
                          Game.FilePath, script)
                 .toUtf8());
  file.close();
  QProcess::startDetached("/bin/sh", {script});
}

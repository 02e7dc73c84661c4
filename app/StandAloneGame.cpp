// Make EXE, and the start and close of a stand-alone game: a copy of this program carrying one
// game, which keeps its high scores inside itself.
#include "app/Game.h"

#include "app/GameDialogs.h"
#include "gamefile/StandAlone.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

// Where the copy of a running stand-alone game lives: the temporary folder, else the home folder.
QStringList CopyFolders() { return {QDir::tempPath(), QDir::homePath()}; }

} // namespace

bool TGame::UnpackStandAloneGame() {
  const QFileInfo program(ProgramPath);
  for (const QString &folder : CopyFolders()) {
    const QString copy = folder + '/' + program.fileName();
    const QString game = folder + '/' + program.completeBaseName() + ".qbx";
    if (UnpackStandAlone(ProgramPath, copy, game).Ok() && LoadGame(game)) {
      StandAloneCopy = copy;
      return true;
    }
  }
  return false;
}

void TGame::RepackStandAloneGame() {
  if (!RepackStandAlone(StandAloneCopy, Data.FilePath).Ok())
    return; // the program keeps its old scores
  const QString script = QFileInfo(StandAloneCopy).absolutePath() + "/UpdateQBX.sh";
  QFile file(script);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    return;
  file.write(UpdateScript(QCoreApplication::applicationPid(), ProgramPath, StandAloneCopy,
                          Data.FilePath, script)
                 .toUtf8());
  file.close();
  QProcess::startDetached("/bin/sh", {script});
}

void TGame::MakeExe1Click() {
  if (!Dialogs)
    return;
  if (Data.LevelCount() == 0 || Data.Unsaved || !QFileInfo(Data.FilePath).isFile()) {
    Report("Make EXE uses the saved game file: open or save a game first.");
    return;
  }
  QString target = Data.FilePath;
  target.chop(4);
  if (target == ProgramPath) {
    Dialogs->ShowMessageBox("", "Cannot Create file Quarrybox.exe!", "");
    return;
  }
  if (QFileInfo::exists(target) &&
      Dialogs->ShowConfirmBox("Confirm Overwrite Game", "Game File", target,
                              "will be overwritten.") != 1)
    return;
  if (!MakeStandAlone(ProgramPath, Data.FilePath, target).Ok()) {
    Dialogs->ShowMessageBox("", "Disk Write Error!", "");
    return;
  }
  Dialogs->ShowMessageBox("Game with a name:", target, "has just been created!");
}
